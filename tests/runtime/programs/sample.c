#include <function.h>
#include <io.h>

//--------Create all variable----------
xdata struct sTbIN MAIN_bIN1;
xdata struct sTbIN MAIN_bIN2;
xdata struct sTbIN MAIN_bIN3;
xdata struct sTbAND MAIN_bAND1;
xdata struct sTbOUT MAIN_bOUT1;
xdata struct sTbOUT MAIN_bOUT2;
xdata struct sTiIN MAIN_iIN1;
xdata struct sTiIN MAIN_iIN2;
xdata struct sTiADD MAIN_iADD1;
xdata struct sTiOUT MAIN_iOUT1;
xdata struct sTiIN MAIN_iIN3;
xdata struct sTiDIV MAIN_iDIV1;
xdata struct sTiOUT MAIN_iOUT2;
xdata struct sTiIN MAIN_iIN4;
xdata struct sTiMOVE MAIN_iMOVE1;
xdata struct sTiOUT MAIN_iOUT3;
xdata struct sTiIN MAIN_iIN5;
xdata struct sTiGT MAIN_iGT1;
xdata struct sTbOUT MAIN_bOUT3;
xdata struct sTiIN MAIN_iIN6;
xdata struct sTiIN MAIN_iIN7;
xdata struct sTiSHL MAIN_iSHL1;
xdata struct sTiOUT MAIN_iOUT4;
xdata struct sTiIN MAIN_iIN8;
xdata struct sTiIN MAIN_iIN9;
xdata struct sTiSHR MAIN_iSHR1;
xdata struct sTiOUT MAIN_iOUT5;
xdata struct sTINT_TO_FLT MAIN_INT_TO_FLT1;
xdata struct sTrIN MAIN_rIN1;
xdata struct sTrMULL MAIN_rMULL1;
xdata struct sTrOUT MAIN_rOUT1;
xdata struct sTrIN MAIN_rIN2;
xdata struct sTrDIV MAIN_rDIV1;
xdata struct sTFLT_TO_INT MAIN_FLT_TO_INT1;
xdata struct sTiOUT MAIN_iOUT6;
xdata struct sTrIN MAIN_rIN3;
xdata struct sTrIN MAIN_rIN4;
xdata struct sTrIN MAIN_rIN5;
xdata struct sTrIN MAIN_rIN6;
xdata struct sTrIN MAIN_rIN7;
xdata struct sTpPID MAIN_pPID1;
xdata struct sTrOUT MAIN_rOUT2;
xdata struct sTrOUT MAIN_rOUT3;
xdata struct sTbIN MAIN_bIN4;
xdata struct sTbNOT MAIN_bNOT1;
xdata struct sTbOUT MAIN_bOUT4;
xdata struct sTpCOUNT MAIN_pCOUNT1;
xdata struct sTiOUT MAIN_iOUT7;
xdata struct sTbOUT MAIN_bOUT5;
xdata struct sTiIN MAIN_iIN10;
xdata struct sTiIN MAIN_iIN11;
xdata struct sTpGEN MAIN_pGEN1;
xdata struct sTrOUT MAIN_rOUT4;
xdata struct sTiIN MAIN_iIN12;
xdata struct sTpTimer MAIN_pTimer1;
xdata struct sTbOUT MAIN_bOUT6;
xdata struct sTiOUT MAIN_iOUT8;
xdata struct sTpDPL_INT MAIN_pDPL_INT1;
xdata struct sTiIN MAIN_iIN13;
xdata struct sTiIN MAIN_iIN14;
xdata struct sTiIN MAIN_iIN15;
xdata struct sTrIN MAIN_rIN8;
xdata struct sTpDPL_REAL MAIN_pDPL_REAL1;
xdata struct sTpDPL_WBUF MAIN_pDPL_WBUF1;
xdata struct sTiIN START_iIN1;
xdata struct sTiOUT START_iOUT1;
xdata struct sTiIN T100_iIN1;
xdata struct sTiIN T100_iIN2;
xdata struct sTiADD T100_iADD1;
xdata struct sTiOUT T100_iOUT1;
xdata struct sTiIN T1S_iIN1;
xdata struct sTiIN T1S_iIN2;
xdata struct sTiADD T1S_iADD1;
xdata struct sTiOUT T1S_iOUT1;
//**************************************
 
//--------Create all function----------
//***** Task MAIN*****
void FC_MAIN(void)
{
    fTbIN(&MAIN_bIN1,0,0,0);
    MAIN_bAND1.IN1=MAIN_bIN1.OUT;
    MAIN_iDIV1.EN=MAIN_bIN1.OUT;
    MAIN_pTimer1.IN=MAIN_bIN1.OUT;
    fTbIN(&MAIN_bIN2,0,0,2);
    MAIN_bAND1.IN2=MAIN_bIN2.OUT;
    fTbIN(&MAIN_bIN3,0,0,1);
    MAIN_iMOVE1.EN=MAIN_bIN3.OUT;
     fTbAND(&MAIN_bAND1,2);
    MAIN_bOUT1.IN=MAIN_bAND1.OUT;
    MAIN_bOUT2.IN=MAIN_bAND1.OUT;
    fTbOUT(&MAIN_bOUT1,1,0,0,0);
    fTbOUT(&MAIN_bOUT2,1,2,0,0);
    fTiIN(&MAIN_iIN1,2,0,2);
    MAIN_iADD1.IN1=MAIN_iIN1.OUT;
    MAIN_iIN2.OUT=1;
    MAIN_iADD1.IN2=MAIN_iIN2.OUT;
    MAIN_iADD1.useEN=0;
    fTiADD(&MAIN_iADD1);
    MAIN_iOUT1.IN=MAIN_iADD1.OUT;
    MAIN_iOUT1.EN=1;
    MAIN_iDIV1.IN1=MAIN_iADD1.OUT;
    MAIN_INT_TO_FLT1.IN=MAIN_iADD1.OUT;
    MAIN_pDPL_INT1.VAL=MAIN_iADD1.OUT;
    MAIN_iGT1.IN1=MAIN_iADD1.OUT;
    MAIN_iOUT1.useEN=0;
    fTiOUT(&MAIN_iOUT1,2,0,2);
    MAIN_iIN3.OUT=16;
    MAIN_iDIV1.IN2=MAIN_iIN3.OUT;
    MAIN_iDIV1.useEN=-1;
    fTiDIV(&MAIN_iDIV1);
    MAIN_iOUT2.IN=MAIN_iDIV1.OUT;
    MAIN_iOUT2.EN=MAIN_iDIV1.ENO;
    MAIN_iOUT2.useEN=0;
    fTiOUT(&MAIN_iOUT2,2,2,2);
    MAIN_iIN4.OUT=77;
    MAIN_iMOVE1.IN=MAIN_iIN4.OUT;
    MAIN_iMOVE1.useEN=-1;
    fTiMOVE(&MAIN_iMOVE1);
    MAIN_iOUT3.IN=MAIN_iMOVE1.OUT;
    MAIN_iOUT3.EN=MAIN_iMOVE1.ENO;
    MAIN_iOUT3.useEN=0;
    fTiOUT(&MAIN_iOUT3,2,4,2);
    MAIN_iIN5.OUT=100;
    MAIN_iGT1.IN2=MAIN_iIN5.OUT;
    MAIN_iGT1.useEN=0;
    fTiGT(&MAIN_iGT1);
    MAIN_bOUT3.IN=MAIN_iGT1.OUT;
    fTbOUT(&MAIN_bOUT3,1,0,2,0);
    MAIN_iIN6.OUT=1;
    MAIN_iSHL1.IN=MAIN_iIN6.OUT;
    MAIN_iIN7.OUT=31;
    MAIN_iSHL1.N=MAIN_iIN7.OUT;
    MAIN_iSHL1.useEN=0;
    fTiSHL(&MAIN_iSHL1);
    MAIN_iOUT4.IN=MAIN_iSHL1.OUT;
    MAIN_iOUT4.EN=1;
    MAIN_iOUT4.useEN=0;
    fTiOUT(&MAIN_iOUT4,2,20,4);
    MAIN_iIN8.OUT=-1;
    MAIN_iSHR1.IN=MAIN_iIN8.OUT;
    MAIN_iIN9.OUT=28;
    MAIN_iSHR1.N=MAIN_iIN9.OUT;
    MAIN_iSHR1.useEN=0;
    fTiSHR(&MAIN_iSHR1);
    MAIN_iOUT5.IN=MAIN_iSHR1.OUT;
    MAIN_iOUT5.EN=1;
    MAIN_iOUT5.useEN=0;
    fTiOUT(&MAIN_iOUT5,2,24,1);
    MAIN_INT_TO_FLT1.useEN=0;
    fTINT_TO_FLT(&MAIN_INT_TO_FLT1);
    MAIN_rMULL1.IN1=MAIN_INT_TO_FLT1.OUT;
    MAIN_rIN1.OUT=2.5;
    MAIN_rMULL1.IN2=MAIN_rIN1.OUT;
    MAIN_rMULL1.useEN=0;
    fTrMULL(&MAIN_rMULL1);
    MAIN_rOUT1.IN=MAIN_rMULL1.OUT;
    MAIN_rOUT1.EN=1;
    MAIN_rDIV1.IN1=MAIN_rMULL1.OUT;
    MAIN_rOUT1.useEN=0;
    fTrOUT(&MAIN_rOUT1,2,10);
    MAIN_rIN2.OUT=8;
    MAIN_rDIV1.IN2=MAIN_rIN2.OUT;
    MAIN_rDIV1.useEN=0;
    fTrDIV(&MAIN_rDIV1);
    MAIN_FLT_TO_INT1.IN=MAIN_rDIV1.OUT;
    MAIN_FLT_TO_INT1.useEN=0;
    fTFLT_TO_INT(&MAIN_FLT_TO_INT1);
    MAIN_iOUT6.IN=MAIN_FLT_TO_INT1.OUT;
    MAIN_iOUT6.EN=1;
    MAIN_iOUT6.useEN=0;
    fTiOUT(&MAIN_iOUT6,2,14,2);
    MAIN_rIN3.OUT=10;
    MAIN_pPID1.SP=MAIN_rIN3.OUT;
    MAIN_rIN4.OUT=4;
    MAIN_pPID1.PV=MAIN_rIN4.OUT;
    MAIN_rIN5.OUT=2;
    MAIN_pPID1.KP=MAIN_rIN5.OUT;
    MAIN_rIN6.OUT=100;
    MAIN_pPID1.HL=MAIN_rIN6.OUT;
    MAIN_rIN7.OUT=-100;
    MAIN_pPID1.LL=MAIN_rIN7.OUT;
    MAIN_pPID1.useEN=0;
    fTpPID(&MAIN_pPID1);
    MAIN_rOUT2.IN=MAIN_pPID1.OUT;
    MAIN_rOUT2.EN=1;
    MAIN_rOUT3.IN=MAIN_pPID1.ERR;
    MAIN_rOUT3.EN=1;
    MAIN_rOUT2.useEN=0;
    fTrOUT(&MAIN_rOUT2,2,30);
    MAIN_rOUT3.useEN=0;
    fTrOUT(&MAIN_rOUT3,2,34);
    fTbIN(&MAIN_bIN4,2,60,0);
    MAIN_bNOT1.IN=MAIN_bIN4.OUT;
    MAIN_pCOUNT1.CU=MAIN_bIN4.OUT;
    MAIN_bNOT1.useEN=0;
    fTbNOT(&MAIN_bNOT1);
    MAIN_bOUT4.IN=MAIN_bNOT1.OUT;
    fTbOUT(&MAIN_bOUT4,2,60,0,0);
    MAIN_pCOUNT1.useEN=0;
    fTpCOUNT(&MAIN_pCOUNT1);
    MAIN_iOUT7.IN=MAIN_pCOUNT1.CV;
    MAIN_iOUT7.EN=1;
    MAIN_bOUT5.IN=MAIN_pCOUNT1.Q;
    MAIN_iOUT7.useEN=0;
    fTiOUT(&MAIN_iOUT7,2,40,2);
    fTbOUT(&MAIN_bOUT5,2,60,1,0);
    MAIN_iIN10.OUT=1;
    MAIN_pGEN1.WAVE=MAIN_iIN10.OUT;
    MAIN_iIN11.OUT=4;
    MAIN_pGEN1.N=MAIN_iIN11.OUT;
    MAIN_pGEN1.useEN=0;
    fTpGEN(&MAIN_pGEN1);
    MAIN_rOUT4.IN=MAIN_pGEN1.OUT;
    MAIN_rOUT4.EN=1;
    MAIN_rOUT4.useEN=0;
    fTrOUT(&MAIN_rOUT4,2,44);
    MAIN_iIN12.OUT=3;
    MAIN_pTimer1.PT=MAIN_iIN12.OUT;
    MAIN_pTimer1.useEN=0;
    fTpTimer(&MAIN_pTimer1,2);
    MAIN_bOUT6.IN=MAIN_pTimer1.Q;
    MAIN_iOUT8.IN=MAIN_pTimer1.ET;
    MAIN_iOUT8.EN=1;
    fTbOUT(&MAIN_bOUT6,1,1,0,0);
    MAIN_iOUT8.useEN=0;
    fTiOUT(&MAIN_iOUT8,2,48,2);
    MAIN_pDPL_INT1.useEN=0;
    fTpDPL_INT(&MAIN_pDPL_INT1);
    MAIN_iIN13.OUT=8;
    MAIN_pDPL_REAL1.COL=MAIN_iIN13.OUT;
    MAIN_iIN14.OUT=1;
    MAIN_pDPL_REAL1.LINE=MAIN_iIN14.OUT;
    MAIN_iIN15.OUT=2;
    MAIN_pDPL_REAL1.DEC=MAIN_iIN15.OUT;
    MAIN_rIN8.OUT=3.14159;
    MAIN_pDPL_REAL1.VAL=MAIN_rIN8.OUT;
    MAIN_pDPL_REAL1.useEN=0;
    fTpDPL_REAL(&MAIN_pDPL_REAL1);
    MAIN_pDPL_WBUF1.useEN=0;
    fTpDPL_WBUF(&MAIN_pDPL_WBUF1);
}
 
//***** Task START*****
void FC_START(void)
{
    START_iIN1.OUT=1234;
    START_iOUT1.IN=START_iIN1.OUT;
    START_iOUT1.EN=1;
    START_iOUT1.useEN=0;
    fTiOUT(&START_iOUT1,2,50,2);
}
 
//***** Task T100*****
void FC_T100(void)
{
    fTiIN(&T100_iIN1,2,52,2);
    T100_iADD1.IN1=T100_iIN1.OUT;
    T100_iIN2.OUT=1;
    T100_iADD1.IN2=T100_iIN2.OUT;
    T100_iADD1.useEN=0;
    fTiADD(&T100_iADD1);
    T100_iOUT1.IN=T100_iADD1.OUT;
    T100_iOUT1.EN=1;
    T100_iOUT1.useEN=0;
    fTiOUT(&T100_iOUT1,2,52,2);
}
 
//***** Task T1S*****
void FC_T1S(void)
{
    fTiIN(&T1S_iIN1,2,54,2);
    T1S_iADD1.IN1=T1S_iIN1.OUT;
    T1S_iIN2.OUT=1;
    T1S_iADD1.IN2=T1S_iIN2.OUT;
    T1S_iADD1.useEN=0;
    fTiADD(&T1S_iADD1);
    T1S_iOUT1.IN=T1S_iADD1.OUT;
    T1S_iOUT1.EN=1;
    T1S_iOUT1.useEN=0;
    fTiOUT(&T1S_iOUT1,2,54,2);
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
    FC_START();
}
 
//-------------Int_T100ms-------------
void Int_T100ms(void)
{
    FC_T100();
}
 
//-------------Int_T1s-------------
void Int_T1s(void)
{
    FC_T1S();
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
		IO_Write(3, 2, 1);
	}
}
