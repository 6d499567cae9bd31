#include "app/Forms.h"

#include "app/TForm1.h"
#include "data/PrintSettings.h"
#include "print/TForm2.h"
#include "print/TForm3.h"
#include "settings/TForm4.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TZfk_SplashForm* Zfk_SplashForm = nullptr;

TForm2& TableDialog()
{
    if (!Form2) {
        Form2 = new TForm2(Form1);
        Form2->ApplySettings(StoredPrintSettings().table);
    }
    return *Form2;
}

TForm3& ReportDialog()
{
    if (!Form3) {
        Form3 = new TForm3(Form1);
        Form3->ApplySettings(StoredPrintSettings().report);
    }
    return *Form3;
}

TForm4& SettingsDialog()
{
    if (!Form4)
        Form4 = new TForm4(*Form1, Form1);
    return *Form4;
}

PrintSettings& StoredPrintSettings()
{
    static PrintSettings settings;
    return settings;
}

void CollectPrintSettings()
{
    if (Form2)
        StoredPrintSettings().table = Form2->Settings();
    if (Form3)
        StoredPrintSettings().report = Form3->Settings();
}
