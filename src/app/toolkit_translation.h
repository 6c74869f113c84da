#pragma once

// Makes the toolkit's own texts (such as the buttons of its input box) German like the rest of the
// program, whatever the user's locale. Returns false when the translation is not installed.
bool installToolkitTranslation();
