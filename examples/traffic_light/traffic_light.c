#include <function.h>
#include <io.h>

//--------Create all variable----------
xdata struct sTbIN MAIN_bIN1;
xdata struct sTbIN MAIN_bIN2;
xdata struct sTbNOT MAIN_bNOT1;
xdata struct sTbAND MAIN_bAND1;
xdata struct sTiIN MAIN_iIN1;
xdata struct sTpTimer MAIN_pTimer1;
xdata struct sTbOUT MAIN_bOUT1;
xdata struct sTiIN MAIN_iIN2;
xdata struct sTiIN MAIN_iIN3;
xdata struct sTiGT MAIN_iGT1;
xdata struct sTiLS MAIN_iLS1;
xdata struct sTbOUT MAIN_bOUT2;
xdata struct sTbOUT MAIN_bOUT3;
xdata struct sTbOR MAIN_bOR1;
xdata struct sTbNOT MAIN_bNOT2;
xdata struct sTbOUT MAIN_bOUT4;
//**************************************
 
//--------Create all function----------
//***** Task MAIN*****
void FC_MAIN(void)
{
    fTbIN(&MAIN_bIN1,0,0,0);
    MAIN_bAND1.IN1=MAIN_bIN1.OUT;
    fTbIN(&MAIN_bIN2,2,0,0);
    MAIN_bNOT1.IN=MAIN_bIN2.OUT;
    MAIN_bNOT1.useEN=0;
    fTbNOT(&MAIN_bNOT1);
    MAIN_bAND1.IN2=MAIN_bNOT1.OUT;
     fTbAND(&MAIN_bAND1,2);
    MAIN_pTimer1.IN=MAIN_bAND1.OUT;
    MAIN_iIN1.OUT=100;
    MAIN_pTimer1.PT=MAIN_iIN1.OUT;
    MAIN_pTimer1.useEN=0;
    fTpTimer(&MAIN_pTimer1,2);
    MAIN_bOUT1.IN=MAIN_pTimer1.Q;
    MAIN_iGT1.IN1=MAIN_pTimer1.ET;
    MAIN_iLS1.IN1=MAIN_pTimer1.ET;
    fTbOUT(&MAIN_bOUT1,2,0,0,0);
    MAIN_iIN2.OUT=50;
    MAIN_iGT1.IN2=MAIN_iIN2.OUT;
    MAIN_iIN3.OUT=11;
    MAIN_iLS1.IN2=MAIN_iIN3.OUT;
    MAIN_iGT1.useEN=0;
    fTiGT(&MAIN_iGT1);
    MAIN_bOUT2.IN=MAIN_iGT1.OUT;
    MAIN_bOR1.IN1=MAIN_iGT1.OUT;
    MAIN_iLS1.useEN=0;
    fTiLS(&MAIN_iLS1);
    MAIN_bOUT3.IN=MAIN_iLS1.OUT;
    MAIN_bOR1.IN2=MAIN_iLS1.OUT;
    fTbOUT(&MAIN_bOUT2,1,0,0,0);
    fTbOUT(&MAIN_bOUT3,1,0,2,0);
     fTbOR(&MAIN_bOR1,2);
    MAIN_bNOT2.IN=MAIN_bOR1.OUT;
    MAIN_bNOT2.useEN=0;
    fTbNOT(&MAIN_bNOT2);
    MAIN_bOUT4.IN=MAIN_bNOT2.OUT;
    fTbOUT(&MAIN_bOUT4,1,0,1,0);
}
 
//***********End all Task***************
 
//-------------Free cycle-------------
void FreeCycle(void)
{
    FC_MAIN();
}
 
//-------------Int_OnStart-------------
void Int_OnStart(void)
{
}
 
//-------------Int_T100ms-------------
void Int_T100ms(void)
{
}
 
//-------------Int_T1s-------------
void Int_T1s(void)
{
}
 
//-------Функцию main------
void main(void)
{
	initialize_system();
	Int_OnStart(); 		// OnStartUp function
	while(1)
	{
            // *******IO_Read(mAddr, sAddr, Len)   Read from input module*******
 		FreeCycle();	// Free cycle function
	      // *******IO_Write(mAddr, sAddr, Len);  Write to output module*******
		IO_Write(2, 0, 1);
	}
}
