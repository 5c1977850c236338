#pragma once
// A picture control: shows its picture at its own size or stretched, optionally
// leaving out the bitmap's bottom-left colour.
#include <vector>
#include "toolkit/control.h"
#include "toolkit/graphics.h"

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    // A canvas on the picture's bitmap; an empty picture gets a white bitmap of the
    // control's size first.
    TCanvas& Canvas();

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

    void SetBounds(int left, int top, int width, int height) override;
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;
    bool PaintsOpaque() const override;

private:
    void PictureChanged();
    const PixelBuffer& Scaled();

    TPicture picture_;
    bool autoSize_ = false, stretch_ = false, transparent_ = false;
    // The last few stretched pictures, by the content they were made from: a picture that
    // takes turns among a few contents is stretched once for each.
    struct ScaledCopy {
        std::uint64_t version = 0;
        PixelBuffer pixels;
    };
    std::vector<ScaledCopy> scaled_;
};
