/* Real arithmetic, comparisons, move and the two conversions, in single precision (the PC
   simulation carries doubles on its pins; SDCC has no wider real). */
#ifndef VX_REAL_BLOCKS_H
#define VX_REAL_BLOCKS_H

#include "vx_base.h"

#include <math.h>

struct sTrADD {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    float OUT;
};

struct sTrSUBB {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    float OUT;
};

struct sTrMULL {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    float OUT;
};

struct sTrDIV {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    float OUT;
};

struct sTrEQ {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    unsigned char OUT;
};

struct sTrGT {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    unsigned char OUT;
};

struct sTrLS {
    VX_ENABLE_MEMBERS
    float IN1;
    float IN2;
    unsigned char OUT;
};

struct sTrMOVE {
    VX_ENABLE_MEMBERS
    float IN;
    float OUT;
};

struct sTINT_TO_FLT {
    VX_ENABLE_MEMBERS
    int32_t IN;
    float OUT;
};

struct sTFLT_TO_INT {
    VX_ENABLE_MEMBERS
    float IN;
    int32_t OUT;
};

/* Nearest integer, halves to the even neighbour (2.5 gives 2, -2.5 gives -2). Beyond the
   32-bit range, which the PC simulation covers with 64-bit integers, the result saturates;
   NaN gives 0. */
int32_t vx_round_even(float x) {
    float whole;
    float rest;
    if (isnan(x)) {
        return 0;
    }
    if (x >= 2147483648.0f) {
        return INT32_MAX;
    }
    if (x < -2147483648.0f) {
        return INT32_MIN;
    }
    /* A half is possible only below 2^23, where whole converts exactly. */
    whole = floorf(x);
    rest = x - whole;
    if (rest > 0.5f || (rest == 0.5f && ((int32_t)whole & 1) != 0)) {
        whole += 1.0f;
    }
    return (int32_t)whole;
}

void fTrADD(struct sTrADD xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 + s->IN2;
    }
}

void fTrSUBB(struct sTrSUBB xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 - s->IN2;
    }
}

void fTrMULL(struct sTrMULL xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 * s->IN2;
    }
}

/* A divisor of 0 keeps OUT. */
void fTrDIV(struct sTrDIV xdata* s) {
    if (vx_enabled(s) && s->IN2 != 0.0f) {
        s->OUT = s->IN1 / s->IN2;
    }
}

void fTrEQ(struct sTrEQ xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 == s->IN2;
    }
}

void fTrGT(struct sTrGT xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 > s->IN2;
    }
}

void fTrLS(struct sTrLS xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 < s->IN2;
    }
}

void fTrMOVE(struct sTrMOVE xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN;
    }
}

void fTINT_TO_FLT(struct sTINT_TO_FLT xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = (float)s->IN;
    }
}

void fTFLT_TO_INT(struct sTFLT_TO_INT xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = vx_round_even(s->IN);
    }
}

#endif
