// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/web/web_backend.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "toolkit/changed_part.h"

// The page side lives in web/page.js (TresoloPage); these are its entry points.
EM_JS(int, tresolo_create_window, (const char* title, int left, int top, int width, int height, int centred,
                                   int borderless, int onTop),
      { return TresoloPage.create(UTF8ToString(title), left, top, width, height, !!centred, !!borderless, !!onTop); });
EM_JS(void, tresolo_destroy_window, (int id), { TresoloPage.destroy(id); });
EM_JS(void, tresolo_show_window, (int id, int visible), { TresoloPage.show(id, !!visible); });
EM_JS(void, tresolo_move_window, (int id, int left, int top), { TresoloPage.move(id, left, top); });
EM_JS(void, tresolo_raise_window, (int id, int focus), { TresoloPage.raise(id, !!focus); });
EM_JS(void, tresolo_want_text, (int id, int wanted), { TresoloPage.wantText(id, !!wanted); });
EM_JS(void, tresolo_request_frame, (), { TresoloPage.requestFrame(); });
EM_JS(int, tresolo_canvas_multiple, (int id), { return TresoloPage.canvasMultipleOf(id); });
EM_JS(void, tresolo_present, (int id, const std::uint32_t* rgba, int left, int top, int width, int height),
      { TresoloPage.present(id, rgba, left, top, width, height); });
EM_JS(int, tresolo_take_event, (int* fields, char* text, int capacity),
      { return TresoloPage.takeEvent(fields, text, capacity); });
EM_JS(int, tresolo_screen_width, (), { return TresoloPage.screenWidth(); });
EM_JS(int, tresolo_screen_height, (), { return TresoloPage.screenHeight(); });
EM_JS(void, tresolo_wake, (), { TresoloPage.wake(); });
EM_JS(void, tresolo_check_contract, (const int* kinds, int kindCount, int fieldCount),
      { TresoloPage.checkContract(Array.from(HEAP32.subarray(kinds >> 2, (kinds >> 2) + kindCount)), fieldCount); });
EM_ASYNC_JS(void, tresolo_wait, (double ms), { await TresoloPage.wait(ms); });

namespace {

// The backend whose presents the page's animation frame draws.
WebBackend* drawing = nullptr;

// The contract with the page (TresoloPage.EVENT and TresoloPage.FIELDS in web/page_input.js):
// the order of the fields it writes for each event, and the kinds by number, in the page's
// order. The page checks both against its own at the program's start.
enum Field { kKind, kWindow, kX, kY, kButton, kKey, kShift, kRepeat, kFieldCount };
static_assert(kKind == 0 && kWindow == 1 && kX == 2 && kY == 3 && kButton == 4 && kKey == 5 && kShift == 6 &&
              kRepeat == 7 && kFieldCount == 8);

constexpr std::array<int, 12> kPageKinds = {
    InputEvent::MouseDown,   InputEvent::MouseUp,   InputEvent::MouseMove,    InputEvent::MouseLeave,
    InputEvent::KeyDown,     InputEvent::KeyUp,     InputEvent::Text,         InputEvent::FocusGained,
    InputEvent::FocusLost,   InputEvent::CloseRequest, InputEvent::Exposed,   InputEvent::Quit};
static_assert(InputEvent::MouseDown == 0 && InputEvent::MouseUp == 1 && InputEvent::MouseMove == 2 &&
              InputEvent::MouseLeave == 3 && InputEvent::KeyDown == 4 && InputEvent::KeyUp == 5 &&
              InputEvent::Text == 6 && InputEvent::FocusGained == 7 && InputEvent::FocusLost == 8 &&
              InputEvent::CloseRequest == 9 && InputEvent::Exposed == 10 && InputEvent::Quit == 11,
              "the page numbers the kinds so");

// DOM buttons: 0 left, 1 middle, 2 right.
TMouseButton ButtonOf(int domButton) {
    if (domButton == 2) return TMouseButton::mbRight;
    if (domButton == 1) return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

// The page sends DOM key codes, which for the keys we use are the virtual-key codes.
bool KnownKey(int code) {
    switch (code) {
        case VK_BACK: case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_SPACE: case VK_END: case VK_HOME:
        case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: case VK_DELETE: case VK_F2:
            return true;
        default:
            return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
    }
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void tresolo_draw_frame() {
    if (drawing) drawing->DrawPresented();
}

extern "C" EMSCRIPTEN_KEEPALIVE void tresolo_draw_again(int id) {
    if (drawing) drawing->DrawAgain(static_cast<WindowId>(id));
}

WebBackend::WebBackend() {
    drawing = this;
    tresolo_check_contract(kPageKinds.data(), static_cast<int>(kPageKinds.size()), kFieldCount);
}

WebBackend::~WebBackend() {
    if (drawing == this) drawing = nullptr;
}

WindowId WebBackend::CreateWindow(const WindowSpec& desc) {
    return static_cast<WindowId>(tresolo_create_window(desc.title.c_str(), desc.left, desc.top, desc.width,
                                                       desc.height, desc.centred, desc.borderless, desc.stayOnTop));
}

void WebBackend::DestroyWindow(WindowId id) {
    presented_.erase(id);
    tresolo_destroy_window(static_cast<int>(id));
}

void WebBackend::ShowWindow(WindowId id, bool visible) { tresolo_show_window(static_cast<int>(id), visible); }

void WebBackend::MoveWindow(WindowId id, int left, int top) { tresolo_move_window(static_cast<int>(id), left, top); }

void WebBackend::RaiseWindow(WindowId id) { tresolo_raise_window(static_cast<int>(id), false); }

void WebBackend::PassFocus(WindowId id, bool) { tresolo_raise_window(static_cast<int>(id), true); }

void WebBackend::WantText(WindowId id, bool wanted) { tresolo_want_text(static_cast<int>(id), wanted); }

// The canvas was cleared (its size changed): the next animation frame draws it whole.
void WebBackend::DrawAgain(WindowId id) {
    auto it = presented_.find(id);
    if (it == presented_.end()) return;
    it->second.shown = PixelBuffer();
    tresolo_request_frame();
}

// The frame stays the form's own: it is read when the animation frame draws.
void WebBackend::Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) {
    Presented& p = presented_[id];
    p.frame = &frame;
    for (const TRect& rect : dirty) p.damage.Add(rect);
    tresolo_request_frame();
}

void WebBackend::DrawPresented() {
    for (auto& [id, p] : presented_) {
        const PixelBuffer& frame = *p.frame;
        if (p.shown.width() != frame.width() || p.shown.height() != frame.height()) {
            // A new size: everything is drawn.
            p.shown.resize(frame.width(), frame.height());
            Draw(id, p, {0, 0, frame.width(), frame.height()});
        } else {
            for (const TRect& rect : p.damage.Rects()) Draw(id, p, ChangedPart(p.shown, frame, rect));
        }
        p.damage.Clear();
    }
}

// A rectangle goes to the canvas as RGBA, converted here rather than pixel by pixel in the
// page's script, each pixel repeated to the canvas's multiple of the window's size.
void WebBackend::Draw(WindowId id, Presented& p, const TRect& rect) {
    const PixelBuffer& frame = *p.frame;
    const TRect d = rect.Intersect({0, 0, frame.width(), frame.height()});
    if (d.Empty()) return;
    for (int y = d.Top; y < d.Bottom; ++y)
        std::memcpy(p.shown.scanLine(y) + d.Left * 3, frame.scanLine(y) + d.Left * 3, static_cast<std::size_t>(d.Width()) * 3);
    const int k = std::max(1, tresolo_canvas_multiple(static_cast<int>(id)));
    const std::size_t row = static_cast<std::size_t>(d.Width()) * k;
    // Every pixel is written below: the buffer only grows, so it is cleared only when it does.
    const std::size_t pixels = row * d.Height() * k;
    if (rgba_.size() < pixels) rgba_.resize(pixels);
    std::uint32_t* out = rgba_.data();
    for (int y = d.Top; y < d.Bottom; ++y) {
        const std::uint8_t* in = frame.scanLine(y) + d.Left * 3;
        const std::uint32_t* first = out;
        for (int x = d.Left; x < d.Right; ++x, in += 3) {
            // R, G, B, A in memory order (WebAssembly is little-endian).
            const std::uint32_t rgba = in[2] | in[1] << 8 | in[0] << 16 | 0xff000000u;
            for (int i = 0; i < k; ++i) *out++ = rgba;
        }
        for (int i = 1; i < k; ++i, out += row) std::memcpy(out, first, row * 4);
    }
    tresolo_present(static_cast<int>(id), rgba_.data(), d.Left * k, d.Top * k, d.Width() * k, d.Height() * k);
}

std::optional<InputEvent> WebBackend::PollEvent() {
    std::array<int, kFieldCount> f{};
    std::array<char, 64> text{};
    while (tresolo_take_event(f.data(), text.data(), static_cast<int>(text.size()))) {
        InputEvent ev;
        ev.kind = static_cast<InputEvent::Kind>(f[kKind]);
        ev.window = static_cast<WindowId>(f[kWindow]);
        ev.x = f[kX];
        ev.y = f[kY];
        ev.button = ButtonOf(f[kButton]);
        ev.shift = static_cast<TShiftState>(f[kShift]);
        ev.repeat = f[kRepeat] != 0;
        if (ev.kind == InputEvent::KeyDown || ev.kind == InputEvent::KeyUp) {
            if (!KnownKey(f[kKey])) continue;
            ev.key = static_cast<Word>(f[kKey]);
        }
        if (ev.kind == InputEvent::Text) ev.text = text.data();
        return ev;
    }
    return std::nullopt;
}

void WebBackend::WaitEvent(std::int64_t timeoutUs) {
    tresolo_wait(timeoutUs < 0 ? -1.0 : static_cast<double>(timeoutUs) / 1000.0);
}

void WebBackend::Wake() { tresolo_wake(); }

TPoint WebBackend::ScreenSize() const { return {tresolo_screen_width(), tresolo_screen_height()}; }

void WebClock::Sleep(std::int64_t us) {
    if (us > 0) emscripten_sleep(static_cast<unsigned>((us + 999) / 1000));
}
