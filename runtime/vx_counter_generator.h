/* The up/down counter and the signal generator. */
#ifndef VX_COUNTER_GENERATOR_H
#define VX_COUNTER_GENERATOR_H

#include "vx_base.h"

#include <math.h>

#define VX_COUNT_LIMIT 32767

struct sTpCOUNT {
    VX_ENABLE_MEMBERS
    unsigned char CU;
    unsigned char CD;
    unsigned char S;
    int32_t PV;
    unsigned char R;
    unsigned char Q;
    int32_t CV;
    unsigned char prevCU;
    unsigned char prevCD;
};

struct sTpGEN {
    VX_ENABLE_MEMBERS
    int32_t WAVE;
    int32_t N;
    float OUT;
    float phase;
};

/* The order settles conflicts: opposite edges cancel, set beats counting, reset beats set.
   A preset outside 0..32767 is taken as it is. */
void fTpCOUNT(struct sTpCOUNT xdata* s) {
    if (vx_enabled(s)) {
        if (s->CU && !s->prevCU && s->CV < VX_COUNT_LIMIT) {
            ++s->CV;
        }
        if (s->CD && !s->prevCD && s->CV > 0) {
            --s->CV;
        }
        if (s->S) {
            s->CV = s->PV;
        }
        if (s->R) {
            s->CV = 0;
        }
        s->Q = s->CV > 0;
    }
    /* Edges follow the inputs while disabled too, so an edge seen only then is lost. */
    s->prevCU = s->CU != 0;
    s->prevCD = s->CD != 0;
}

/* Deliberately 6.28, not 2 pi: phase 1 gives sin(6.28) = -0.0031853, not 0. */
#define VX_SINE_FACTOR 6.28f

/* WAVE 0 sine, 1 square (0 or 1); the phase advances by 1/N per execution. The phase is a
   float here, a double on the PC, so for some N a period counts one execution fewer. */
void fTpGEN(struct sTpGEN xdata* s) VX_REENTRANT {
    if (s->N < 1 || !vx_enabled(s)) {
        return;
    }
    if (s->phase < 1.0f) {
        s->phase += 1.0f / (float)s->N;
    } else {
        s->phase = 0.0f;
    }
    if (s->WAVE == 0) {
        s->OUT = sinf(VX_SINE_FACTOR * s->phase);
    } else if (s->WAVE == 1) {
        s->OUT = s->phase > 0.5f ? 1.0f : 0.0f;
    }
}

#endif
