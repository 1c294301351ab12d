#include "platform/instance_channel.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(InstanceChannelTest, TheNameIsTheExecutableCutAtItsFirstDotAndTheTopicInLowerCase) {
    EXPECT_EQ(InstanceServiceName("/usr/bin/taskmere"), "taskmere");
    EXPECT_EQ(InstanceServiceName("/opt/tm.v2/Taskmere.bin.old"), "Taskmere");
    EXPECT_EQ(InstanceServiceName("Taskmere.exe"), "Taskmere");
    EXPECT_EQ(InstanceChannelName("Taskmere", InstanceTopic), "taskmere.ddemain");
    EXPECT_EQ(InstanceChannelName("taskmere", "ddemain"), InstanceChannelName("TASKMERE", "DdeMain"));
}

TEST(InstanceChannelTest, ATransactionIsReadWhateverPiecesItArrivesIn) {
    const std::string macro = "[Open(\"/a b/c.tkm\")]\r\n[Open(\"d\")]";
    const std::string wire = EncodeTransaction(macro) + "trailing";
    TTransactionReader reader;
    for (std::size_t i = 0; i + 1 < EncodeTransaction(macro).size(); ++i)
        EXPECT_EQ(reader.Feed(wire.substr(i, 1)), TTransactionReader::TState::Reading);
    EXPECT_EQ(reader.Feed(wire.substr(EncodeTransaction(macro).size() - 1)), TTransactionReader::TState::Complete);
    EXPECT_EQ(reader.Macro(), macro);

    TTransactionReader empty;
    EXPECT_EQ(empty.Feed(EncodeTransaction("")), TTransactionReader::TState::Complete);
    EXPECT_EQ(empty.Macro(), "");
}

TEST(InstanceChannelTest, AnOversizedOrGarbageHeaderIsRefusedBeforeAnythingIsRead) {
    TTransactionReader limit;
    EXPECT_EQ(limit.Feed(EncodeTransaction(std::string(MaxTransactionSize, 'x'))),
              TTransactionReader::TState::Complete);
    TTransactionReader over;
    EXPECT_EQ(over.Feed(EncodeTransaction(std::string(MaxTransactionSize + 1, 'x')).substr(0, 4)),
              TTransactionReader::TState::TooLarge);
    TTransactionReader garbage;
    EXPECT_EQ(garbage.Feed("\xff\xfe\xfd\xfc garbage"), TTransactionReader::TState::TooLarge);
    EXPECT_EQ(garbage.Feed(EncodeTransaction("")), TTransactionReader::TState::TooLarge);  // stays refused
}

}  // namespace
}  // namespace tkm
