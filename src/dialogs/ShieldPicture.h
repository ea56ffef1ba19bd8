#pragma once
// The pictures of the update check's dialogs: a grey shield with an exclamation mark for a new
// version, a green shield with a tick for the current one.

#include <QPixmap>

namespace quillbat {

enum class Shield { Warning, Current };

QPixmap ShieldPicture(Shield kind, int size);

}  // namespace quillbat
