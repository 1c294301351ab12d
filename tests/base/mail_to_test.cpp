#include "base/mail_to.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tkm {
namespace {

TEST(MailTo, SubjectAloneGivesExactlyOneQuestionMark) {
    const std::string address = MailToAddress({"taskmere@example.org", "Taskmere", "", ""});
    EXPECT_EQ(address, "mailto:taskmere@example.org?SUBJECT=Taskmere");
    EXPECT_EQ(std::count(address.begin(), address.end(), '?'), 1);
}

TEST(MailTo, FieldsComeInOrderAndOnlyWhenSet) {
    EXPECT_EQ(MailToAddress({"a@b.c", "", "", ""}), "mailto:a@b.c");
    EXPECT_EQ(MailToAddress({"a@b.c", "", "", "x@y.z"}), "mailto:a@b.c?BCC=x@y.z");
    // A second "?" would make the mail program read the rest as the subject.
    EXPECT_EQ(MailToAddress({"a@b.c", "Hi", "cc@y.z", "bcc@y.z"}), "mailto:a@b.c?SUBJECT=Hi&BCC=bcc@y.z&CC=cc@y.z");
}

TEST(MailTo, ValuesCannotAddFieldsOfTheirOwn) {
    EXPECT_EQ(MailToAddress({"a@b.c", "Q&A? 100%#1", "", ""}), "mailto:a@b.c?SUBJECT=Q%26A%3F%20100%25%231");
    EXPECT_EQ(MailToAddress({"a@b.c?CC=evil@x.y", "caf\xC3\xA9", "", ""}),
              "mailto:a@b.c%3FCC%3Devil@x.y?SUBJECT=caf%C3%A9");
}

}  // namespace
}  // namespace tkm
