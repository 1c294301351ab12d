#pragma once

#include "caldav/radicale_server.h"

#include <gtest/gtest.h>

#include <string>

namespace tkm::test {

// A to-do as another program writes it: no number, nothing but a summary.
inline std::string Todo(const std::string& uid, const std::string& summary) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20250101T000000Z\r\nSUMMARY:" + summary + "\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

inline std::string PathOf(const std::string& url) { return url.substr(url.find('/', url.find("//") + 2)); }

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
