#include "ui/app/status_progress.h"

#include "base/errors.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace tkm {
namespace {

// A window with the bar, and the find form beside it: another window open
// when a long step starts.
class StatusProgressTest : public ::testing::Test {
protected:
    QWidget window;
    QLineEdit* table = new QLineEdit(&window);
    TStatusProgress* progress = new TStatusProgress(&window);
    QLineEdit findForm;

    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(table);
        layout->addWidget(progress);
        window.show();
        findForm.show();
    }
};

TEST_F(StatusProgressTest, WindowsOpenAtTheStartTakeNoInputButEscapeThereStopsTheStep) {
    progress->Start(true);
    QTest::keyClicks(table, "a");
    QTest::keyClicks(&findForm, "b");
    EXPECT_EQ(table->text(), "");
    EXPECT_EQ(findForm.text(), "") << "the find form cannot start the search again inside itself";

    // A question the step itself asks takes its answer as always.
    QLineEdit question;
    question.show();
    QTest::keyClicks(&question, "yes");
    EXPECT_EQ(question.text(), "yes");

    // Escape in any of them stops the step: under a modal dialog the bar's Cancel cannot be clicked.
    QTest::keyClick(&findForm, Qt::Key_Escape);
    EXPECT_THROW(progress->Step(40), EAbort);
    progress->Stop();

    QTest::keyClicks(&findForm, "c");
    EXPECT_EQ(findForm.text(), "c");
    progress->Start(false);
    QTest::keyClick(&findForm, Qt::Key_Escape);
    EXPECT_NO_THROW(progress->Step(50)) << "a step that must not stop goes on";
    progress->Stop();
}

}  // namespace
}  // namespace tkm
