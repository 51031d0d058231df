#include <function.h>
#include <io.h>

//--------Create all variable----------
xdata struct sTrIN PID_rIN1;
xdata struct sTrIN PID_rIN2;
xdata struct sTrIN PID_rIN3;
xdata struct sTrIN PID_rIN4;
xdata struct sTrIN PID_rIN5;
xdata struct sTrIN PID_rIN6;
xdata struct sTpPID PID_pPID1;
xdata struct sTrOUT PID_rOUT1;
xdata struct sTrIN PLANT_rIN1;
xdata struct sTrIN PLANT_rIN2;
xdata struct sTrSUBB PLANT_rSUBB1;
xdata struct sTrIN PLANT_rIN3;
xdata struct sTrMULL PLANT_rMULL1;
xdata struct sTrADD PLANT_rADD1;
xdata struct sTrOUT PLANT_rOUT1;
//**************************************
 
//--------Create all function----------
//***** Task PID*****
void FC_PID(void)
{
    PID_rIN1.OUT=50;
    PID_pPID1.SP=PID_rIN1.OUT;
    fTrIN(&PID_rIN2,2,4);
    PID_pPID1.PV=PID_rIN2.OUT;
    PID_rIN3.OUT=0.5;
    PID_pPID1.KP=PID_rIN3.OUT;
    PID_rIN4.OUT=2;
    PID_pPID1.TI=PID_rIN4.OUT;
    PID_rIN5.OUT=0.100000001490116;
    PID_pPID1.TS=PID_rIN5.OUT;
    PID_rIN6.OUT=100;
    PID_pPID1.HL=PID_rIN6.OUT;
    PID_pPID1.useEN=0;
    fTpPID(&PID_pPID1);
    PID_rOUT1.IN=PID_pPID1.OUT;
    PID_rOUT1.EN=1;
    PID_rOUT1.useEN=0;
    fTrOUT(&PID_rOUT1,2,0);
}
 
//***** Task PLANT*****
void FC_PLANT(void)
{
    fTrIN(&PLANT_rIN1,2,0);
    PLANT_rSUBB1.IN1=PLANT_rIN1.OUT;
    fTrIN(&PLANT_rIN2,2,4);
    PLANT_rSUBB1.IN2=PLANT_rIN2.OUT;
    PLANT_rADD1.IN1=PLANT_rIN2.OUT;
    PLANT_rSUBB1.useEN=0;
    fTrSUBB(&PLANT_rSUBB1);
    PLANT_rMULL1.IN1=PLANT_rSUBB1.OUT;
    PLANT_rIN3.OUT=0.100000001490116;
    PLANT_rMULL1.IN2=PLANT_rIN3.OUT;
    PLANT_rMULL1.useEN=0;
    fTrMULL(&PLANT_rMULL1);
    PLANT_rADD1.IN2=PLANT_rMULL1.OUT;
    PLANT_rADD1.useEN=0;
    fTrADD(&PLANT_rADD1);
    PLANT_rOUT1.IN=PLANT_rADD1.OUT;
    PLANT_rOUT1.EN=1;
    PLANT_rOUT1.useEN=0;
    fTrOUT(&PLANT_rOUT1,2,4);
}
 
//***********End all Task***************
 
//-------------Free cycle-------------
void FreeCycle(void)
{
}
 
//-------------Int_OnStart-------------
void Int_OnStart(void)
{
}
 
//-------------Int_T100ms-------------
void Int_T100ms(void)
{
    FC_PID();
    FC_PLANT();
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
