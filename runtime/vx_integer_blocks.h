/* Integer arithmetic, shifts, comparisons and move on 32-bit two's complement values. Where the
   PC simulation widens a result that leaves the 32-bit range (into a real or a 64-bit
   integer), the controller wraps it. */
#ifndef VX_INTEGER_BLOCKS_H
#define VX_INTEGER_BLOCKS_H

#include "vx_base.h"

struct sTiADD {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    int32_t OUT;
};

struct sTiSUBB {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    int32_t OUT;
};

struct sTiMULL {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    int32_t OUT;
};

struct sTiDIV {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    int32_t OUT;
};

struct sTiSHR {
    VX_ENABLE_MEMBERS
    int32_t IN;
    int32_t N;
    int32_t OUT;
};

struct sTiSHL {
    VX_ENABLE_MEMBERS
    int32_t IN;
    int32_t N;
    int32_t OUT;
};

struct sTiEQ {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    unsigned char OUT;
};

struct sTiGT {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    unsigned char OUT;
};

struct sTiLS {
    VX_ENABLE_MEMBERS
    int32_t IN1;
    int32_t IN2;
    unsigned char OUT;
};

struct sTiMOVE {
    VX_ENABLE_MEMBERS
    int32_t IN;
    int32_t OUT;
};

/* Unsigned arithmetic wraps by definition; signed overflow would not. */
void fTiADD(struct sTiADD xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = (int32_t)((uint32_t)s->IN1 + (uint32_t)s->IN2);
    }
}

void fTiSUBB(struct sTiSUBB xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = (int32_t)((uint32_t)s->IN1 - (uint32_t)s->IN2);
    }
}

void fTiMULL(struct sTiMULL xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = (int32_t)((uint32_t)s->IN1 * (uint32_t)s->IN2);
    }
}

/* The quotient rounded to nearest, halves to the even neighbour (7/2 = 4, 5/2 = 2,
   -7/2 = -4); a divisor of 0 keeps OUT. Worked on magnitudes so that -2147483648 has one. */
void fTiDIV(struct sTiDIV xdata* s) {
    uint32_t n;
    uint32_t d;
    uint32_t q;
    uint32_t r;
    if (!vx_enabled(s) || s->IN2 == 0) {
        return;
    }
    n = s->IN1 < 0 ? 0u - (uint32_t)s->IN1 : (uint32_t)s->IN1;
    d = s->IN2 < 0 ? 0u - (uint32_t)s->IN2 : (uint32_t)s->IN2;
    q = vx_udivmod(n, d);
    r = vx_rest;
    if (r > d - r || (r == d - r && (q & 1u) != 0)) {
        ++q;
    }
    s->OUT = (int32_t)((s->IN1 < 0) != (s->IN2 < 0) ? 0u - q : q);
}

/* The count's low five bits; zeros come in from the left and the result reads as signed. */
void fTiSHR(struct sTiSHR xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = (int32_t)((uint32_t)s->IN >> ((unsigned char)s->N & 31u));
    }
}

void fTiSHL(struct sTiSHL xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = (int32_t)((uint32_t)s->IN << ((unsigned char)s->N & 31u));
    }
}

void fTiEQ(struct sTiEQ xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 == s->IN2;
    }
}

void fTiGT(struct sTiGT xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 > s->IN2;
    }
}

void fTiLS(struct sTiLS xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN1 < s->IN2;
    }
}

void fTiMOVE(struct sTiMOVE xdata* s) {
    if (vx_enabled(s)) {
        s->OUT = s->IN;
    }
}

#endif
