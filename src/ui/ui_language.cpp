#include "ui/ui_language.h"

#include "base/translatable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace tkm {

namespace {

std::string QtTranslatedText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

TUiLanguage::~TUiLanguage() {
    SetTextTranslator(nullptr);
    if (ownInstalled_) QCoreApplication::removeTranslator(&own_);
    if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
}

QStringList TUiLanguage::Folders(const QString& executableFolder) {
    if (executableFolder.isEmpty()) return {};
    const QDir folder(executableFolder);
    return {folder.absolutePath(), QDir::cleanPath(folder.absoluteFilePath("../share/taskmere/translations"))};
}

bool TUiLanguage::Install(const QLocale& locale, const QStringList& folders) {
    // The core's messages too, for the window only: tkm never installs one.
    SetTextTranslator(&QtTranslatedText);
    if (!qtInstalled_ && qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
    for (const QString& folder : folders) {
        if (ownInstalled_ || !own_.load(locale, "taskmere", "_", folder)) continue;
        ownInstalled_ = QCoreApplication::installTranslator(&own_);
    }
    return ownInstalled_;
}

}  // namespace tkm
