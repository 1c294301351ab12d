#include "cli/comma_loader.h"

#include "cli/cli_options.h"
#include "tasks/task_table.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

namespace tkm::cli {

TBaseGrid LoadCommaSeparated(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EFileError("cannot read " + path + ": " + std::strerror(errno));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) throw EFileError("cannot read " + path + ": " + std::strerror(errno));
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    grid.SetRowCount(std::max<int>(int(lines.size()), 1));
    std::vector<std::string_view> cells;
    for (std::size_t r = 0; r < lines.size(); ++r) {
        cells.clear();
        std::string_view rest = lines[r];
        for (;;) {
            const std::size_t comma = rest.find(',');
            cells.push_back(rest.substr(0, comma));
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
        if (cells.size() > std::size_t(TaskColumnCount)) cells.resize(std::size_t(TaskColumnCount));
        grid.SetRowCells(int(r), 0, cells);
    }
    return grid;
}

}  // namespace tkm::cli
