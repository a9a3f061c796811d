#pragma once
// The texts of "Save Gambar" and "Ekspor Gambar…" that both front ends show
// (export/savedialogtexts.texts), and the functions that fill their
// templates in, with the name's controls escaped. Only texts: which name is
// refused, and why, is decided in export/picturename.h and
// export/savetarget.h.

#include "export/picturetypes.h"
#include "export/savedialogtexts.h"

#include <string>
#include <string_view>

namespace SaveTexts {

// `pattern` with every %1 replaced by `first` and every %2 by `second`, in
// one pass, so a name holding "%2" stays as typed.
inline std::string fillIn(std::string_view pattern, std::string_view first, std::string_view second)
{
    std::string text;
    for (std::size_t n = 0; n < pattern.size(); ++n) {
        const bool marker = pattern[n] == '%' && n + 1 < pattern.size();
        if (marker && pattern[n + 1] == '1') {
            text += first;
            ++n;
        } else if (marker && pattern[n + 1] == '2') {
            text += second;
            ++n;
        } else {
            text += pattern[n];
        }
    }
    return text;
}

// The messages as shown: `name` is the user's and is shown escaped
// (export/escapedtext.h), so that no control in it changes how the message
// reads; `reason` is the program's own sentence and is shown as it is.
std::string refusedNameMessage(std::string_view name, std::string_view reason);
std::string notWrittenMessage(std::string_view name, std::string_view reason);

// The question before the regular file `real` is replaced; `chosen` is the
// name the user gave, a link to `real` when the two differ.
std::string replaceQuestion(std::string_view chosen, std::string_view real);

// Why a picture could not be encoded as `format`.
std::string encodingFailure(PictureFormat format);

} // namespace SaveTexts
