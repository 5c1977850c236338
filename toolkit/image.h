// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture control: shows its picture at its own size or stretched, optionally
// leaving out the bitmap's bottom-left colour.
#include <cstdint>

#include "toolkit/control.h"
#include "toolkit/graphics.h"
#include "toolkit/opaque_runs.h"
#include "toolkit/recently_made.h"

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
    // The picture as drawn: its content (the bitmap's version) at a size.
    struct Drawn {
        std::uint64_t version = 0;
        int width = 0, height = 0;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };
    const PixelBuffer& Scaled();

    TPicture picture_;
    bool autoSize_ = false, stretch_ = false, transparent_ = false;
    // The last few stretched pictures and the opaque parts of the last few drawn
    // transparently, by the content they were made from.
    static constexpr std::size_t kKept = 8;
    RecentlyMade<Drawn, PixelBuffer, kKept> scaled_;
    RecentlyMade<Drawn, OpaqueRuns, kKept> opaque_;
};
