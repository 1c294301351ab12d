#pragma once

#include "caldav/radicale_server.h"

#include <gtest/gtest.h>

namespace tkm::test {

// The tests of a suite share one Radicale, started before the first and
// stopped after the last; each test makes the collections it needs.
class RadicaleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new TRadicaleServer; }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }

    inline static TRadicaleServer* server_ = nullptr;
};

}  // namespace tkm::test
