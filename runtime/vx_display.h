/* The operator panel's four-line display, emulated in xdata. The put blocks insert text into
   the line buffers DPL_BUF; a flush copies them to DPL_SHOW (what the display shows) and
   blanks them again. */
#ifndef VX_DISPLAY_H
#define VX_DISPLAY_H

#include "vx_base.h"

#include <math.h>

#define VX_DPL_LINES 4
#define VX_DPL_WIDTH 16
/* Columns and lines up to 15 are accepted; lines 4 to 15 have no buffer. */
#define VX_DPL_LAST_ACCEPTED 15
/* A sign, ten digits and a point; or digits with appended zeros, cut at 16 characters. */
#define VX_DPL_TEXT 16

xdata char DPL_BUF[VX_DPL_LINES][VX_DPL_WIDTH];
xdata char DPL_SHOW[VX_DPL_LINES][VX_DPL_WIDTH];
/* The text being put; one is enough, as puts never nest. */
xdata char vx_text[VX_DPL_TEXT];

struct sTpDPL_STR {
    VX_ENABLE_MEMBERS
    int32_t COL;
    int32_t LINE;
    int32_t NUM;
};

struct sTpDPL_INT {
    VX_ENABLE_MEMBERS
    int32_t COL;
    int32_t LINE;
    int32_t VAL;
};

struct sTpDPL_REAL {
    VX_ENABLE_MEMBERS
    int32_t COL;
    int32_t LINE;
    int32_t DEC;
    float VAL;
};

struct sTpDPL_WBUF {
    VX_ENABLE_MEMBERS
};

void vx_display_blank(void) {
    char xdata* put = DPL_BUF[0];
    unsigned char k;
    for (k = 0; k < sizeof DPL_BUF; ++k) {
        put[k] = ' ';
    }
}

/* Inserting never overwrites: older text moves right. Only the first 16 characters of a line
   are ever shown, so the buffer keeps just those. */
void vx_display_insert(int32_t column, int32_t line, const char* text, unsigned char length) {
    char xdata* buffer;
    unsigned char at;
    unsigned char k;
    if (column < 0 || column > VX_DPL_LAST_ACCEPTED || line < 0 || line >= VX_DPL_LINES) {
        return;
    }
    buffer = DPL_BUF[(unsigned char)line];
    at = (unsigned char)column;
    if (length > VX_DPL_WIDTH - at) {
        length = (unsigned char)(VX_DPL_WIDTH - at);
    }
    for (k = VX_DPL_WIDTH; k > at + length; --k) {
        buffer[k - 1] = buffer[k - 1 - length];
    }
    for (k = 0; k < length; ++k) {
        buffer[at + k] = text[k];
    }
}

/* Digits come from subtracting powers of ten: the 8051 divides longs slowly. */
const uint32_t vx_powers_of_ten[10] = {1u,      10u,      100u,      1000u,      10000u,
                                       100000u, 1000000u, 10000000u, 100000000u, 1000000000u};

/* The text of rounded / 10^decimals (decimals up to 9) without trailing zeros in the
   fraction, or with -decimals zeros appended when decimals is negative. Texts are cut at 16
   characters, the most that can be shown. */
unsigned char vx_format(char* text, int32_t rounded, signed char decimals) VX_REENTRANT {
    uint32_t magnitude = rounded < 0 ? 0u - (uint32_t)rounded : (uint32_t)rounded;
    unsigned char length = 0;
    signed char k;
    char digit;
    if (rounded < 0) {
        text[length++] = '-';
    }
    for (k = 9; k >= 0; --k) {
        digit = '0';
        while (magnitude >= vx_powers_of_ten[k]) {
            magnitude -= vx_powers_of_ten[k];
            ++digit;
        }
        if (digit != '0' || length > (rounded < 0) || k == 0 || k <= decimals) {
            text[length++] = digit;
            if (k == decimals && k > 0) {
                text[length++] = '.';
            }
        }
    }
    if (decimals > 0) {
        while (text[length - 1] == '0') {
            --length;
        }
        if (text[length - 1] == '.') {
            --length;
        }
    }
    for (; decimals < 0 && rounded != 0 && length < VX_DPL_WIDTH; ++decimals) {
        text[length++] = '0';
    }
    return length;
}

void vx_put_integer(int32_t column, int32_t line, int32_t value) {
    vx_display_insert(column, line, vx_text, vx_format(vx_text, value, 0));
}

void vx_put_word(int32_t column, int32_t line, const char* word) {
    unsigned char length = 0;
    while (word[length] != 0) {
        ++length;
    }
    vx_display_insert(column, line, word, length);
}

/* Rounded like the PC panel, trunc(value * 10^decimals + 0.5), and printed without trailing
   zeros. A float keeps about seven digits, so decimals above 9 count as 9, fewer decimals
   are shown when the scaled value leaves the 32-bit range, and large values print as plain
   digits where the PC uses an exponent. */
void vx_put_real(int32_t column, int32_t line, float value, signed char decimals) VX_REENTRANT {
    float power = 1.0f;
    float scaled;
    int32_t rounded;
    signed char k;
    if (isnan(value)) {
        vx_put_word(column, line, "NAN");
        return;
    }
    if (isinf(value)) {
        vx_put_word(column, line, value > 0.0f ? "INF" : "-INF");
        return;
    }
    /* Below -39 every float rounds to 0 anyway. */
    if (decimals > 9) {
        decimals = 9;
    } else if (decimals < -39) {
        decimals = -39;
    }
    for (k = decimals < 0 ? (signed char)-decimals : decimals; k > 0; --k) {
        power *= 10.0f;
    }
    for (;;) {
        scaled = (decimals < 0 ? value / power : value * power) + 0.5f;
        if (scaled > -2147483648.0f && scaled < 2147483648.0f) {
            break;
        }
        if (decimals > 0) {
            power /= 10.0f;
        } else {
            power *= 10.0f;
        }
        --decimals;
    }
    rounded = (int32_t)scaled;
    vx_display_insert(column, line, vx_text, vx_format(vx_text, rounded, decimals));
}

void fTpDPL_INT(struct sTpDPL_INT xdata* s) {
    if (vx_enabled(s)) {
        vx_put_integer(s->COL, s->LINE, s->VAL);
    }
}

/* The low byte of DEC, read as signed, gives the decimals. */
void fTpDPL_REAL(struct sTpDPL_REAL xdata* s) {
    if (vx_enabled(s)) {
        vx_put_real(s->COL, s->LINE, s->VAL, (signed char)(s->DEC & 0xFF));
    }
}

/* The display strings stay in the designer: the generated program carries no string table,
   so there is nothing to put. */
void fTpDPL_STR(struct sTpDPL_STR xdata* s) {
    (void)vx_enabled(s);
}

void fTpDPL_WBUF(struct sTpDPL_WBUF xdata* s) {
    char xdata* put = DPL_BUF[0];
    char xdata* shown = DPL_SHOW[0];
    unsigned char k;
    if (!vx_enabled(s)) {
        return;
    }
    for (k = 0; k < sizeof DPL_BUF; ++k) {
        shown[k] = put[k];
        put[k] = ' ';
    }
}

#endif
