#include "platform/fake/recording_canvas.h"

#include "base/errors.h"

namespace tkm {

TTextExtent RecordingCanvas::TextExtent(std::string_view text) {
    ++ExtentCalls;
    return {int(text.size()) * CharWidth(font_), font_.Height};
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    Texts.push_back({Page, x, y, std::string(text), font_, false, {}});
}

void RecordingCanvas::TextRect(const TPrintRect& clip, int x, int y, std::string_view text) {
    Texts.push_back({Page, x, y, std::string(text), font_, true, clip});
}

void RecordingCanvas::FillRect(const TPrintRect& rect, TColor rgb) { Fills.push_back({Page, rect, rgb}); }

void RecordingCanvas::SetPen(TPenStyle style, int width, TColor) {
    penStyle_ = style;
    penWidth_ = width;
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
    Lines.push_back({Page, x1, y1, x2, y2, penStyle_, penWidth_});
}

std::vector<RecordingCanvas::TText> RecordingCanvas::TextsOn(int page) const {
    std::vector<TText> out;
    for (const auto& t : Texts)
        if (t.Page == page) out.push_back(t);
    return out;
}

void RecordingPrinter::BeginDoc(const std::string& jobName) {
    if (RefuseStart) throw EGridError("The printer refused the job " + jobName);
    JobName = jobName;
    Begun = true;
}

void RecordingPrinter::NewPage() { canvas.StartPage(); }

}  // namespace tkm
