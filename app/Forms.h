// One program-wide reference per window. Every window lives until the end of
// the process; the splash reference is cleared when it goes. The settings
// dialog and the two print dialogs are built when first wanted (their
// references are empty until then): most runs never open them.
#pragma once

struct PrintSettings;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TZfk_SplashForm;

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TZfk_SplashForm* Zfk_SplashForm;

TForm2& TableDialog();
TForm3& ReportDialog();
TForm4& SettingsDialog();

// The print dialogs' settings: read at start-up, taken by each dialog when
// it is built, and given back by the dialogs that exist at shutdown.
PrintSettings& StoredPrintSettings();
void CollectPrintSettings();
