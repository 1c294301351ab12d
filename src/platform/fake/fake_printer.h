#pragma once

#include "grid/print/print_engine.h"
#include "platform/fake/recording_canvas.h"
#include "platform/printer.h"

#include <string>
#include <vector>

namespace tkm {

// Prints every job, on the printer or into a file, onto one recording printer.
class FakePrinter final : public Printer {
public:
    bool IsInstalled = true;
    RecordingPrinter Device;
    std::vector<std::string> Files;  // the PDF files asked for, in order
    std::vector<TPrintJob> Jobs;
    mutable std::vector<TPrintOrientation> Orientations;  // the sheets asked for

    bool Installed() const override { return IsInstalled; }
    TPrintSheet NextSheet(TPrintOrientation orientation) const override {
        Orientations.push_back(orientation);
        return {Device.Area, Device.Area.WidthPixels + 100, Device.Area.HeightPixels + 100, 50, 50};
    }
    void Print(const TPrintEngine& engine, const TPrintJob& job) override {
        Jobs.push_back(job);
        engine.Print(Device, job.FirstPage, job.LastPage);
    }
    void PrintToFile(const TPrintEngine& engine, const std::string& fileName) override {
        Files.push_back(fileName);
        Print(engine, {});
    }
};

}  // namespace tkm
