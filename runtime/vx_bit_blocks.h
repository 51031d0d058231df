/* Gates, NOT, the edge detectors and the RS flip-flop. */
#ifndef VX_BIT_BLOCKS_H
#define VX_BIT_BLOCKS_H

#include "vx_base.h"

struct sTbAND {
    VX_ENABLE_MEMBERS
    unsigned char OUT;
    unsigned char IN1;
    unsigned char IN2;
    unsigned char IN3;
    unsigned char IN4;
};

struct sTbOR {
    VX_ENABLE_MEMBERS
    unsigned char OUT;
    unsigned char IN1;
    unsigned char IN2;
    unsigned char IN3;
    unsigned char IN4;
};

struct sTbNOT {
    VX_ENABLE_MEMBERS
    unsigned char IN;
    unsigned char OUT;
};

struct sTbFP {
    VX_ENABLE_MEMBERS
    unsigned char IN;
    unsigned char OUT;
    unsigned char prevIN;
};

struct sTbFN {
    VX_ENABLE_MEMBERS
    unsigned char IN;
    unsigned char OUT;
    unsigned char prevIN;
};

struct sTbRS {
    VX_ENABLE_MEMBERS
    unsigned char R;
    unsigned char S;
    unsigned char Q;
};

/* num inputs, 2 to 4; an input beyond num takes no part. */
void fTbAND(struct sTbAND xdata* s, int num) {
    s->OUT =
        (num < 1 || s->IN1) && (num < 2 || s->IN2) && (num < 3 || s->IN3) && (num < 4 || s->IN4);
}

void fTbOR(struct sTbOR xdata* s, int num) {
    s->OUT = (num >= 1 && s->IN1) || (num >= 2 && s->IN2) || (num >= 3 && s->IN3) ||
             (num >= 4 && s->IN4);
}

/* A disabled bit function drives its output false. */
void fTbNOT(struct sTbNOT xdata* s) {
    s->OUT = vx_enabled(s) && !s->IN;
}

/* The previous input follows the input also while disabled, so an edge seen only then is
   lost. */
void fTbFP(struct sTbFP xdata* s) {
    s->OUT = vx_enabled(s) && s->IN && !s->prevIN;
    s->prevIN = s->IN != 0;
}

void fTbFN(struct sTbFN xdata* s) {
    s->OUT = vx_enabled(s) && !s->IN && s->prevIN;
    s->prevIN = s->IN != 0;
}

/* Set dominates: both inputs true give Q true. */
void fTbRS(struct sTbRS xdata* s) {
    if (!vx_enabled(s)) {
        s->Q = 0;
        return;
    }
    if (s->R) {
        s->Q = 0;
    }
    if (s->S) {
        s->Q = 1;
    }
}

#endif
