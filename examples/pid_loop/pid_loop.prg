[MAIN]
FC_Count=2
SymbolSwitch=0
---------=---------
[FUNCTION]
FC0=PID.pou
FC1=PLANT.pou
