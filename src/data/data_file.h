// The ".tw" data file: the marker "SLQFEO", ten 0xFF bytes and the 16,384 image bytes, compressed
// by the file's own compressor. Loading replaces the image only when the whole file checks out;
// saving is atomic.
#pragma once

#include <QString>

#include "data/atomic_file.h"
#include "data/compression.h"
#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

constexpr int kPlainFileSize = 16400;
constexpr int kImageOffset = 16;
constexpr char kFileMarker[] = "SLQFEO";

enum class LoadStatus {
    Ok,
    WrongType,    // missing, empty or unreadable file, wrong length or marker
    DecodeError,  // the compression rejected the contents
};

// The plain 16,400-byte content of an image and its stored (encoded) form.
ByteBuffer PlainContent(const RadioImage& image);
ByteBuffer EncodeDataFile(const RadioImage& image);

// Decodes stored bytes and checks length and marker; fills image only on Ok.
LoadStatus DecodeDataFile(ByteBuffer stored, RadioImage& image);

// Reads path into data.image. On Ok it also runs CopyToBaseline and LoadBandLimits; on any failure
// the image, the baseline and the band limits stay as they were.
LoadStatus LoadFile(const QString& path, RadioData& data);

// Writes the image to path through a file beside it that is renamed over the target, so a failed
// save leaves the old file whole.
SaveResult SaveFile(const QString& path, const RadioImage& image);

// What the user is told about a failed load: "Incorrect File Type." in the language of `texts`,
// titled "QV-730" for a file of the wrong type and "Error" when decoding failed.
QString LoadFailureText(const UiTexts& texts);
QString LoadFailureTitle(LoadStatus status);

// What the user is told about a failed save: "The file could not be saved." in the
// language of `texts`, the file's name, then the system's own description of what went wrong (which
// the system gives in its own language).
QString SaveFailureText(const QString& path, const QString& systemError, const UiTexts& texts);

}  // namespace qv
