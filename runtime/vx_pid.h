/* The PID controller: one sample per execution, derivative on the process value, anti-windup
   through the limit flags, a deadband and a bumpless manual mode. */
#ifndef VX_PID_H
#define VX_PID_H

#include "vx_base.h"

#include <math.h>

struct sTpPID {
    VX_ENABLE_MEMBERS
    float SP;
    float PV;
    float DB;
    float KP;
    float TI;
    float TD;
    float TS;
    float MV;
    unsigned char MAN;
    float HL;
    float LL;
    float OUT;
    float ERR;
    unsigned char QH;
    unsigned char QL;
    float errorSum;
    float prevPV;
};

/* Everything is single precision; the PC simulation keeps the error sum, the previous PV and
   the intermediate sums in doubles. */
void fTpPID(struct sTpPID xdata* s) VX_REENTRANT {
    float a;
    float b;
    float e;
    float u;
    if (!vx_enabled(s)) {
        return;
    }
    a = s->TI > 0.0f ? s->KP * s->TS / s->TI : 0.0f;
    b = s->TS > 0.0f ? s->KP * s->TD / s->TS : 0.0f;
    e = s->SP - s->PV;
    if (s->MAN) {
        s->OUT = s->MV;
        /* Kp * E + A * sum then equals the manual output: the return to automatic is smooth. */
        s->errorSum = a > 0.0f ? (s->OUT - s->KP * e) / a : 0.0f;
        s->prevPV = s->PV;
        return;
    }
    s->ERR = e;
    /* The sum stops growing while a limit holds the output and the error pushes further. */
    if (!((s->QH && e > 0.0f) || (s->QL && e < 0.0f))) {
        s->errorSum += e;
    }
    u = s->KP * e + a * s->errorSum + b * (s->prevPV - s->PV);
    if (fabsf(e) > s->DB) {
        if (u > s->HL) {
            s->OUT = s->HL;
            s->QH = 1;
        } else if (u < s->LL) {
            s->OUT = s->LL;
            s->QL = 1;
        } else {
            s->OUT = u;
            s->QH = 0;
            s->QL = 0;
        }
    }
    s->prevPV = s->PV;
}

#endif
