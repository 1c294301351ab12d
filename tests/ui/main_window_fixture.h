#pragma once

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_printer.h"
#include "ui/app/main_window.h"
#include "ui/grid/task_grid.h"

#include <QCoreApplication>

#include <gtest/gtest.h>
#include <memory>

namespace tkm {

// A main window on the offscreen platform with every desktop service faked.
class MainWindowTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    RecordingShell shell;
    FakePrinter printer;
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    TLocaleFormats formats;
    std::unique_ptr<TfrmMain> window;

    void SetUp() override { Start({}); }

    void Start(const QStringList& documents) {
        window.reset();
        TAppServices services{dialogs, shell, clock, formats, "", ""};
        services.Printers = &printer;
        window = std::make_unique<TfrmMain>(services, documents);
        window->show();
        QCoreApplication::processEvents();
    }

    TTaskGrid& Grid() { return *window->stgMain(); }
    TBaseGrid& Store() { return window->stgMain()->Store(); }
    std::string Cell(int col, int row) { return Store().GetCellText(col, row); }

    void AddEntries(int count) {
        for (int i = 0; i < count; ++i) window->aclAddNewEntryExecute();
        QCoreApplication::processEvents();
    }
    void Describe(int row, const std::string& text) { Store().SetCellText(colDescription, row, text); }
};

}  // namespace tkm
