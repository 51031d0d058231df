#include <function.h>
#include <io.h>

//--------Create all variable----------
xdata struct sTbIN TANK_bIN1;
xdata struct sTbIN TANK_bIN2;
xdata struct sTbNOT TANK_bNOT1;
xdata struct sTbRS TANK_bRS1;
xdata struct sTbOUT TANK_bOUT1;
xdata struct sTbFP TANK_bFP1;
xdata struct sTpCOUNT TANK_pCOUNT1;
xdata struct sTiOUT TANK_iOUT1;
xdata struct sTiIN TANK_iIN1;
xdata struct sTpDPL_STR TANK_pDPL_STR1;
xdata struct sTpDPL_INT TANK_pDPL_INT1;
xdata struct sTpDPL_WBUF TANK_pDPL_WBUF1;
//**************************************
 
//--------Create all function----------
//***** Task TANK*****
void FC_TANK(void)
{
    fTbIN(&TANK_bIN1,0,0,0);
    TANK_bNOT1.IN=TANK_bIN1.OUT;
    fTbIN(&TANK_bIN2,0,0,1);
    TANK_bRS1.R=TANK_bIN2.OUT;
    TANK_bNOT1.useEN=0;
    fTbNOT(&TANK_bNOT1);
    TANK_bRS1.S=TANK_bNOT1.OUT;
    TANK_bRS1.useEN=0;
    fTbRS(&TANK_bRS1);
    TANK_bOUT1.IN=TANK_bRS1.Q;
    TANK_bFP1.IN=TANK_bRS1.Q;
    fTbOUT(&TANK_bOUT1,1,0,0,0);
    TANK_bFP1.useEN=0;
    fTbFP(&TANK_bFP1);
    TANK_pCOUNT1.CU=TANK_bFP1.OUT;
    TANK_pCOUNT1.useEN=0;
    fTpCOUNT(&TANK_pCOUNT1);
    TANK_iOUT1.IN=TANK_pCOUNT1.CV;
    TANK_iOUT1.EN=1;
    TANK_pDPL_INT1.VAL=TANK_pCOUNT1.CV;
    TANK_iOUT1.useEN=0;
    fTiOUT(&TANK_iOUT1,2,10,2);
    TANK_iIN1.OUT=13;
    TANK_pDPL_INT1.COL=TANK_iIN1.OUT;
    TANK_pDPL_STR1.useEN=0;
    fTpDPL_STR(&TANK_pDPL_STR1);
    TANK_pDPL_INT1.useEN=0;
    fTpDPL_INT(&TANK_pDPL_INT1);
    TANK_pDPL_WBUF1.useEN=0;
    fTpDPL_WBUF(&TANK_pDPL_WBUF1);
}
 
//***********End all Task***************
 
//-------------Free cycle-------------
void FreeCycle(void)
{
    FC_TANK();
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
