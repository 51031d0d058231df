#include <function.h>
#include <io.h>

//--------Create all variable----------
xdata struct sTbIN MAIN_bIN1;
xdata struct sTbIN MAIN_bIN2;
xdata struct sTbOUT MAIN_bOUT1;
xdata struct sTiIN MAIN_iIN1;
xdata struct sTiIN MAIN_iIN2;
xdata struct sTiOUT MAIN_iOUT1;
xdata struct sTwIN MAIN_wIN1;
xdata struct sTwOUT MAIN_wOUT1;
xdata struct sTrIN MAIN_rIN1;
xdata struct sTrIN MAIN_rIN2;
xdata struct sTrOUT MAIN_rOUT1;
xdata struct sTbAND MAIN_bAND1;
xdata struct sTbOR MAIN_bOR1;
xdata struct sTbNOT MAIN_bNOT1;
xdata struct sTbFP MAIN_bFP1;
xdata struct sTbFN MAIN_bFN1;
xdata struct sTbRS MAIN_bRS1;
xdata struct sTiADD MAIN_iADD1;
xdata struct sTiSUBB MAIN_iSUBB1;
xdata struct sTiMULL MAIN_iMULL1;
xdata struct sTiDIV MAIN_iDIV1;
xdata struct sTiSHR MAIN_iSHR1;
xdata struct sTiSHL MAIN_iSHL1;
xdata struct sTiEQ MAIN_iEQ1;
xdata struct sTiGT MAIN_iGT1;
xdata struct sTiLS MAIN_iLS1;
xdata struct sTiMOVE MAIN_iMOVE1;
xdata struct sTrADD MAIN_rADD1;
xdata struct sTrSUBB MAIN_rSUBB1;
xdata struct sTrMULL MAIN_rMULL1;
xdata struct sTrDIV MAIN_rDIV1;
xdata struct sTrEQ MAIN_rEQ1;
xdata struct sTrGT MAIN_rGT1;
xdata struct sTrLS MAIN_rLS1;
xdata struct sTrMOVE MAIN_rMOVE1;
xdata struct sTINT_TO_FLT MAIN_INT_TO_FLT1;
xdata struct sTFLT_TO_INT MAIN_FLT_TO_INT1;
xdata struct sTpTIMER MAIN_pTimer1;
xdata struct sTpTimer MAIN_pTimer2;
xdata struct sTpCOUNT MAIN_pCOUNT1;
xdata struct sTpGEN MAIN_pGEN1;
xdata struct sTpPID MAIN_pPID1;
xdata struct sTpDPL_STR MAIN_pDPL_STR1;
xdata struct sTpDPL_INT MAIN_pDPL_INT1;
xdata struct sTpDPL_REAL MAIN_pDPL_REAL1;
xdata struct sTpDPL_WBUF MAIN_pDPL_WBUF1;
//**************************************
 
//--------Create all function----------
//***** Task MAIN*****
void FC_MAIN(void)
{
    fTbIN(&MAIN_bIN1,0,0,0);
    MAIN_bAND1.IN1=MAIN_bIN1.OUT;
    MAIN_bOR1.IN2=MAIN_bIN1.OUT;
    MAIN_iADD1.EN=MAIN_bIN1.OUT;
    MAIN_bIN2.OUT=True;
    MAIN_bAND1.IN2=MAIN_bIN2.OUT;
    fTbOUT(&MAIN_bOUT1,1,0,0,1);
    fTiIN(&MAIN_iIN1,0,2,2);
    MAIN_iADD1.IN1=MAIN_iIN1.OUT;
    MAIN_iDIV1.IN1=MAIN_iIN1.OUT;
    MAIN_iIN2.OUT=-5;
    MAIN_iADD1.IN2=MAIN_iIN2.OUT;
    MAIN_iDIV1.IN2=MAIN_iIN2.OUT;
    MAIN_iOUT1.useEN=0;
    fTiOUT(&MAIN_iOUT1,2,0,4);
    MAIN_wIN1.useEN=0;
    fTwIN(&MAIN_wIN1);
    MAIN_wOUT1.useEN=0;
    fTwOUT(&MAIN_wOUT1);
    fTrIN(&MAIN_rIN1,0,10);
    MAIN_rADD1.IN1=MAIN_rIN1.OUT;
    MAIN_rIN2.OUT=0.100000001490116;
    MAIN_rADD1.IN2=MAIN_rIN2.OUT;
    MAIN_rOUT1.useEN=0;
    fTrOUT(&MAIN_rOUT1,2,4);
     fTbAND(&MAIN_bAND1,3);
    MAIN_bOUT1.IN=MAIN_bAND1.OUT;
    MAIN_bNOT1.IN=MAIN_bAND1.OUT;
     fTbOR(&MAIN_bOR1,4);
    MAIN_bNOT1.useEN=0;
    fTbNOT(&MAIN_bNOT1);
    MAIN_bFP1.useEN=0;
    fTbFP(&MAIN_bFP1);
    MAIN_bFN1.useEN=0;
    fTbFN(&MAIN_bFN1);
    MAIN_bRS1.useEN=0;
    fTbRS(&MAIN_bRS1);
    MAIN_iADD1.useEN=-1;
    fTiADD(&MAIN_iADD1);
    MAIN_iOUT1.IN=MAIN_iADD1.OUT;
    MAIN_iOUT1.EN=MAIN_iADD1.ENO;
    MAIN_INT_TO_FLT1.IN=MAIN_iADD1.OUT;
    MAIN_pDPL_INT1.VAL=MAIN_iADD1.OUT;
    MAIN_iSUBB1.useEN=0;
    fTiSUBB(&MAIN_iSUBB1);
    MAIN_iMULL1.useEN=0;
    fTiMULL(&MAIN_iMULL1);
    MAIN_iDIV1.useEN=0;
    fTiDIV(&MAIN_iDIV1);
    MAIN_iSHR1.useEN=0;
    fTiSHR(&MAIN_iSHR1);
    MAIN_iSHL1.useEN=0;
    fTiSHL(&MAIN_iSHL1);
    MAIN_iEQ1.useEN=0;
    fTiEQ(&MAIN_iEQ1);
    MAIN_iGT1.useEN=0;
    fTiGT(&MAIN_iGT1);
    MAIN_iLS1.useEN=0;
    fTiLS(&MAIN_iLS1);
    MAIN_iMOVE1.useEN=0;
    fTiMOVE(&MAIN_iMOVE1);
    MAIN_rADD1.useEN=0;
    fTrADD(&MAIN_rADD1);
    MAIN_rOUT1.IN=MAIN_rADD1.OUT;
    MAIN_rOUT1.EN=1;
    MAIN_pDPL_REAL1.VAL=MAIN_rADD1.OUT;
    MAIN_rSUBB1.useEN=0;
    fTrSUBB(&MAIN_rSUBB1);
    MAIN_rMULL1.useEN=0;
    fTrMULL(&MAIN_rMULL1);
    MAIN_rDIV1.useEN=0;
    fTrDIV(&MAIN_rDIV1);
    MAIN_rEQ1.useEN=0;
    fTrEQ(&MAIN_rEQ1);
    MAIN_rGT1.useEN=0;
    fTrGT(&MAIN_rGT1);
    MAIN_rLS1.useEN=0;
    fTrLS(&MAIN_rLS1);
    MAIN_rMOVE1.useEN=0;
    fTrMOVE(&MAIN_rMOVE1);
    MAIN_INT_TO_FLT1.useEN=0;
    fTINT_TO_FLT(&MAIN_INT_TO_FLT1);
    MAIN_FLT_TO_INT1.IN=MAIN_INT_TO_FLT1.OUT;
    MAIN_FLT_TO_INT1.useEN=0;
    fTFLT_TO_INT(&MAIN_FLT_TO_INT1);
    MAIN_pTimer1.useEN=0;
    fTpTIMER(&MAIN_pTimer1,1);
    MAIN_pTimer2.useEN=0;
    fTpTimer(&MAIN_pTimer2,3);
    MAIN_pCOUNT1.useEN=0;
    fTpCOUNT(&MAIN_pCOUNT1);
    MAIN_pGEN1.useEN=0;
    fTpGEN(&MAIN_pGEN1);
    MAIN_pPID1.useEN=0;
    fTpPID(&MAIN_pPID1);
    MAIN_pDPL_STR1.useEN=0;
    fTpDPL_STR(&MAIN_pDPL_STR1);
    MAIN_pDPL_INT1.useEN=0;
    fTpDPL_INT(&MAIN_pDPL_INT1);
    MAIN_pDPL_REAL1.useEN=0;
    fTpDPL_REAL(&MAIN_pDPL_REAL1);
    MAIN_pDPL_WBUF1.useEN=0;
    fTpDPL_WBUF(&MAIN_pDPL_WBUF1);
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
		IO_Read(2, 0, 1);
 		FreeCycle();	// Free cycle function
	      // *******IO_Write(mAddr, sAddr, Len);  Write to output module*******
		IO_Write(9, 0, 2);
	}
}
