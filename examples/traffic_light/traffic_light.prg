[MAIN]
FC_Count=1
SymbolSwitch=0
---------=---------
[FUNCTION]
FC0=MAIN.pou
