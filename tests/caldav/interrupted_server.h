#pragma once

#include "platform/calendar_server.h"

#include <functional>
#include <string>
#include <vector>

namespace tkm::test {

// A server that lets another client act just before one of our writes (the
// first, or interruptedWrite), or something happen once it is done (a throw:
// its answer is lost), and (failAfterChanges) is gone after that many
// questions for changes.
class TInterruptedServer : public CalendarServer {
public:
    TInterruptedServer(CalendarServer& inner, std::function<void()> beforeFirstWrite,
                       std::function<void()> afterFirstWrite = nullptr)
        : inner_(inner), before_(std::move(beforeFirstWrite)), after_(std::move(afterFirstWrite)) {}
    std::vector<TTaskCollection> TaskCollections() override { return inner_.TaskCollections(); }
    TTaskCollection CreateTaskCollection(const std::string& name) override { return inner_.CreateTaskCollection(name); }
    std::string DisplayName(const std::string& url) override { return inner_.DisplayName(url); }
    TCollectionChanges Changes(const std::string& url, const std::string& token) override {
        ++looks;
        if (failAfterChanges >= 0 && failAfterChanges-- == 0) throw ECalendarServerError(ECalendarServerError::TKind::Unreachable, 0, "gone");
        return inner_.Changes(url, token);
    }
    std::vector<TCalendarResource> Fetch(const std::string& url, const std::vector<std::string>& hrefs) override {
        return inner_.Fetch(url, hrefs);
    }
    TWriteResult Put(const std::string& href, const std::string& text, const std::string& ifMatch) override {
        if (++writes == interruptedWrite) Once(before_);
        const TWriteResult written = inner_.Put(href, text, ifMatch);
        if (writes == interruptedWrite) Once(after_);
        return written;
    }
    TWriteOutcome Remove(const std::string& href, const std::string& ifMatch) override {
        if (++writes == interruptedWrite) Once(before_);
        const TWriteOutcome removed = inner_.Remove(href, ifMatch);
        if (writes == interruptedWrite) Once(after_);
        return removed;
    }
    int writes = 0;
    int interruptedWrite = 1;  // counting from 1
    int looks = 0;  // questions for changes
    int failAfterChanges = -1;

private:
    static void Once(std::function<void()>& hook) {
        if (!hook) return;
        const auto once = std::move(hook);
        hook = nullptr;
        once();
    }
    CalendarServer& inner_;
    std::function<void()> before_;
    std::function<void()> after_;
};

}  // namespace tkm::test
