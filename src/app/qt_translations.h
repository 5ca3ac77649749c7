#pragma once

namespace tavolin {

// Puts Qt's own texts in Japanese, as the rest of the program is: the buttons of the message
// boxes and of the folder-name question, and the file dialog, which is Qt's own. Loads Qt's
// translations (Debian's qt6-translations-l10n) from where Qt keeps them; false, with Qt's
// texts left in English, when they are not there. Call once the application object exists.
bool installQtTranslations();

} // namespace tavolin
