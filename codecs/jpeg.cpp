// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

namespace {

// Larger pictures are refused before any pixel memory is taken.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

// libjpeg reports errors through this handler: it records the message and jumps
// back to the call that set the jump point, instead of ending the program.
struct ErrorJump {
    jpeg_error_mgr mgr{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
};

void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorJump*>(info->err);
    info->err->format_message(info, err->message);
    std::longjmp(err->jump, 1);
}

// A premature end of data is only a warning to libjpeg, which then pads the
// picture with grey; we treat every warning as a broken file.
void OnJpegMessage(j_common_ptr info, int level) {
    if (level < 0) OnJpegError(info);
}

// Leaves the guarded body with our own message.
[[noreturn]] void FailInside(j_common_ptr info, const char* message) {
    auto* err = reinterpret_cast<ErrorJump*>(info->err);
    std::snprintf(err->message, sizeof err->message, "%s", message);
    std::longjmp(err->jump, 1);
}

void InstallHandler(ErrorJump& err, jpeg_error_mgr*& slot) {
    slot = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    err.mgr.emit_message = OnJpegMessage;
}

// Runs body with the jump point set; false when libjpeg reported an error. The
// state body changes lives in the caller's frame, and the frames a jump skips
// hold nothing with a destructor.
template <class Body>
bool RunGuarded(ErrorJump& err, Body&& body) {
    if (setjmp(err.jump)) return false;
    body();
    return true;
}

// libjpeg-turbo converts colour and grayscale files straight to our byte order.
void Decompress(jpeg_decompress_struct& info, std::span<const std::uint8_t> bytes, PixelBuffer& out) {
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    if (std::uint64_t{info.image_width} * info.image_height > kMaxPixels) {
        FailInside(reinterpret_cast<j_common_ptr>(&info), "picture is too large");
    }
    jpeg_start_decompress(&info);
    out.resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {out.scanLine(static_cast<int>(info.output_scanline))};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
}

void Compress(jpeg_compress_struct& info, const PixelBuffer& picture, int quality, bool grayscale,
              unsigned char*& buffer, unsigned long& size) {
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    if (grayscale) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given.
        JSAMPROW rows[1] = {const_cast<std::uint8_t*>(picture.scanLine(static_cast<int>(info.next_scanline)))};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
}

}  // namespace

bool LooksLikeJpeg(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

PixelBuffer DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) throw CodecError("JPEG: empty file");
    jpeg_decompress_struct info{};
    ErrorJump err;
    PixelBuffer out;
    InstallHandler(err, info.err);
    const bool ok = RunGuarded(err, [&] {
        jpeg_create_decompress(&info);
        Decompress(info, bytes, out);
    });
    jpeg_destroy_decompress(&info);
    if (!ok) throw CodecError(std::string("JPEG: ") + err.message);
    return out;
}

std::vector<std::uint8_t> EncodeJpeg(const PixelBuffer& picture, int quality, bool grayscale) {
    if (picture.empty()) throw CodecError("JPEG: cannot encode an empty picture");
    jpeg_compress_struct info{};
    ErrorJump err;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    InstallHandler(err, info.err);
    const bool ok = RunGuarded(err, [&] {
        jpeg_create_compress(&info);
        Compress(info, picture, quality, grayscale, buffer, size);
    });
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out;
    if (ok) out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok) throw CodecError(std::string("JPEG: ") + err.message);
    return out;
}
