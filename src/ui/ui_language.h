#pragma once

#include <QStringList>
#include <QTranslator>

class QLocale;

namespace tkm {

// The window's texts and Qt's own buttons and dialogs in the desktop's
// language. Installed into the application while it lives; English needs none.
class TUiLanguage {
public:
    TUiLanguage() = default;
    TUiLanguage(const TUiLanguage&) = delete;
    TUiLanguage& operator=(const TUiLanguage&) = delete;
    ~TUiLanguage();

    // Where taskmere_<lang>.qm may be, in the order looked at: beside the
    // executable, then ../share/taskmere/translations from it.
    static QStringList Folders(const QString& executableFolder);

    // True when the program's own texts were found for the locale.
    bool Install(const QLocale& locale, const QStringList& folders);

private:
    QTranslator own_;
    QTranslator qt_;
    bool ownInstalled_ = false;
    bool qtInstalled_ = false;
};

}  // namespace tkm
