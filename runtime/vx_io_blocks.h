/* Blocks that read and write the process image: bits, integers, words and reals. */
#ifndef VX_IO_BLOCKS_H
#define VX_IO_BLOCKS_H

#include "vx_base.h"

struct sTbIN {
    VX_ENABLE_MEMBERS
    unsigned char OUT;
};

struct sTbOUT {
    VX_ENABLE_MEMBERS
    unsigned char IN;
};

struct sTiIN {
    VX_ENABLE_MEMBERS
    int32_t OUT;
};

struct sTiOUT {
    VX_ENABLE_MEMBERS
    int32_t IN;
};

struct sTwIN {
    VX_ENABLE_MEMBERS
    int32_t OUT;
};

struct sTwOUT {
    VX_ENABLE_MEMBERS
    int32_t IN;
};

struct sTrIN {
    VX_ENABLE_MEMBERS
    float OUT;
};

struct sTrOUT {
    VX_ENABLE_MEMBERS
    float IN;
};

void fTbIN(struct sTbIN xdata* s, int area, int byte, int bit) {
    const unsigned char xdata* p = vx_bit_byte(area, byte, bit);
    s->OUT = p != 0 && ((*p >> bit) & 1u) != 0;
}

/* action: 0 assign, 1 set while IN, 2 reset while IN. Bits are written whatever EN says. */
void fTbOUT(struct sTbOUT xdata* s, int area, int byte, int bit, int action) {
    unsigned char xdata* p = vx_bit_byte(area, byte, bit);
    unsigned char on;
    if (p == 0) {
        return;
    }
    if (action == 0) {
        on = s->IN != 0;
    } else if ((action == 1 || action == 2) && s->IN != 0) {
        on = action == 1;
    } else {
        return;
    }
    if (on) {
        *p |= (unsigned char)(1u << bit);
    } else {
        *p &= (unsigned char)~(1u << bit);
    }
}

void fTiIN(struct sTiIN xdata* s, int area, int number, int width) {
    const unsigned char xdata* p = vx_value_bytes(area, number, width);
    s->OUT = p != 0 ? vx_signed(vx_load(p, width), width) : 0;
}

/* EN is set by the generated copy lines (1, or the ENO of the feeding block); an output that
   nothing feeds keeps memory untouched. IN always shows what memory holds. */
void fTiOUT(struct sTiOUT xdata* s, int area, int number, int width) {
    unsigned char xdata* p = vx_value_bytes(area, number, width);
    if (p == 0) {
        s->IN = 0;
        return;
    }
    if (s->EN != 0) {
        vx_store(p, width, (uint32_t)s->IN);
    }
    s->IN = vx_signed(vx_load(p, width), width);
}

/* The generated program passes no address to the word blocks, so they can reach no memory:
   they keep the values their pins hold. */
void fTwIN(struct sTwIN xdata* s) {
    (void)s;
}

void fTwOUT(struct sTwOUT xdata* s) {
    (void)s;
}

void fTrIN(struct sTrIN xdata* s, int area, int number) {
    const unsigned char xdata* p = vx_value_bytes(area, number, 4);
    vx_real_bits v;
    v.bits = p != 0 ? vx_load(p, 4) : 0;
    s->OUT = v.real;
}

void fTrOUT(struct sTrOUT xdata* s, int area, int number) {
    unsigned char xdata* p = vx_value_bytes(area, number, 4);
    vx_real_bits v;
    if (p == 0) {
        s->IN = 0.0f;
        return;
    }
    if (s->EN != 0) {
        v.real = s->IN;
        vx_store(p, 4, v.bits);
    }
    v.bits = vx_load(p, 4);
    s->IN = v.real;
}

#endif
