#pragma once

class QCoreApplication;

// Loads Qt's own translations (the print dialog and its messages, the context menu of a
// text box, the standard buttons) for the user's language into `app`; false where Qt has
// none for it, and Qt then speaks English.
bool installQtTranslations(QCoreApplication& app);
