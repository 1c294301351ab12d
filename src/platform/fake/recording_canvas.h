#pragma once

#include "grid/cell_style.h"
#include "grid/print/print_canvas.h"

#include <string>
#include <vector>

namespace tkm {

// A print canvas that keeps what is drawn, with metrics simple enough to work
// out by hand: every byte is (font height / 2) wide, one more in bold, and
// every text is as high as its font. Page is the number of pages started so far.
class RecordingCanvas final : public TPrintCanvas {
public:
    struct TText {
        int Page;
        int X;
        int Y;
        std::string Text;
        TCanvasFont Font;
        bool Clipped;
        TPrintRect Clip;
    };
    struct TFill {
        int Page;
        TPrintRect Rect;
        TColor Color;
    };
    struct TLine {
        int Page;
        int X1, Y1, X2, Y2;
        TPenStyle Style;
        int Width;
    };

    static int CharWidth(const TCanvasFont& font) { return font.Height / 2 + ((font.Styles & fsBold) ? 1 : 0); }

    void SetFont(const TCanvasFont& font) override { font_ = font; }
    TTextExtent TextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TPrintRect& clip, int x, int y, std::string_view text) override;
    void FillRect(const TPrintRect& rect, TColor rgb) override;
    void SetPen(TPenStyle style, int width, TColor rgb) override;
    void Line(int x1, int y1, int x2, int y2) override;

    void StartPage() { ++Page; }
    // The texts drawn on one page, in drawing order.
    std::vector<TText> TextsOn(int page) const;

    int Page = 1;
    int ExtentCalls = 0;
    std::vector<TText> Texts;
    std::vector<TFill> Fills;
    std::vector<TLine> Lines;

private:
    TCanvasFont font_;
    TPenStyle penStyle_ = psSolid;
    int penWidth_ = 1;
};

// A printer that prints onto a recording canvas; its page is 2000 x 1000
// pixels at 254 dots per inch unless a test says otherwise, so one pixel is a
// tenth of a millimetre.
class RecordingPrinter final : public TPrintTarget {
public:
    void SetOrientation(TPrintOrientation orientation) override { Orientation = orientation; }
    TDeviceArea PrintableArea() const override { return Area; }
    // EGridError when told to refuse, as a spooler that cannot start a job.
    void BeginDoc(const std::string& jobName) override;
    void NewPage() override;
    void EndDoc() override { Ended = true; }
    void AbortDoc() override { Aborted = true; }
    TPrintCanvas& Canvas() override { return canvas; }

    TDeviceArea Area{2000, 1000, 254, 254};
    TPrintOrientation Orientation = TPrintOrientation::Portrait;
    std::string JobName;
    bool RefuseStart = false;
    bool Begun = false;
    bool Ended = false;
    bool Aborted = false;
    RecordingCanvas canvas;
};

}  // namespace tkm
