#pragma once

#include "platform/fake/fake_clock.h"
#include "tasks/task_list_print.h"
#include "tasks/task_table.h"

#include <gtest/gtest.h>

namespace tkm {

// An empty task table with the task list's print settings and its print engine.
class TaskListPrintTest : public ::testing::Test {
protected:
    TBaseGrid table;
    TPrintSettings settings = TPrintSettings::TaskGrid();
    TColorScheme scheme = TColorScheme::Classic();
    TLocaleFormats formats;
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    TTaskListPrint print{table, settings, scheme, formats, clock, true};

    TaskListPrintTest() { TaskTable::SetUpGrid(table); }
};

}  // namespace tkm
