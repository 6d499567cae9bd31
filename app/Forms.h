// One program-wide reference per window. Every window lives from start-up to
// the end of the process; the splash reference is cleared when it goes.
#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TZfk_SplashForm;

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TZfk_SplashForm* Zfk_SplashForm;
