#pragma once
// Reads Rich Text Format as the Windows rich edit control writes it into formatted CP932 text.

#include <string>
#include <string_view>

#include "core/error.h"
#include "core/rtf/rich_text.h"

namespace core::rtf {

class RtfError : public Error {
 public:
  enum class Kind {
    NotRtf,     // the data does not start with "{\rtf": the caller reads it as plain text
    Malformed,  // it claims to be RTF but cannot be read safely
  };
  RtfError(Kind kind, const std::string& what) : Error(what), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// True when the data starts as an RTF document does; the control takes nothing else as RTF.
bool LooksLikeRtf(std::string_view data);

// The document's text and character formatting. Throws RtfError on data that is not RTF or is
// malformed (unbalanced braces, groups nested too deep, \binN running past the end, absurd
// numbers). Anything after the document's closing brace is ignored, as the control does (it
// writes a NUL there itself). Unknown control words and destinations are skipped.
// \uN characters take their \ucN fallback bytes, which are CP932 in this code page; without a
// fallback only ASCII and half-width katakana are converted, others become '?'.
RichText ReadRtf(std::string_view data);

}  // namespace core::rtf
