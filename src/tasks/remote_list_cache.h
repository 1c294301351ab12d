#pragma once

#include "tasks/remote_list.h"

#include <optional>
#include <string>
#include <vector>

namespace tkm {

// Where a remote list is kept between runs, so that it opens and is edited
// without a network: one file per account and collection under
// $XDG_CACHE_HOME/Taskmere/caldav/. It holds the resources with their ETags
// and the sync token, never the password.
std::string RemoteListCacheFile(const std::string& user, const std::string& collectionUrl);

// EGridFileError or EInOutError naming the file; the old cache stays whole.
void WriteRemoteListCache(const std::string& fileName, const TRemoteListState& state);
// None when there is no cache yet, or it is not one this program wrote (then
// the list is read from the server afresh).
std::optional<TRemoteListState> ReadRemoteListCache(const std::string& fileName, const TCalendarSettings& settings);

// The to-dos the pushes of one document put into a collection, so that its
// next push updates them: one href a line, beside the list's cache.
std::string PushRecordFile(const std::string& cacheFile, const std::string& documentFile);
// Empty when the document was never pushed there.
std::vector<std::string> ReadPushRecord(const std::string& fileName);
void WritePushRecord(const std::string& fileName, const std::vector<std::string>& hrefs);

}  // namespace tkm
