/* Common ground of the controller library: storage classes, value types, the enable contract
   and the process image with its byte access. */
#ifndef VX_BASE_H
#define VX_BASE_H

#include <stdint.h>

/* The generated program declares its block variables "xdata"; SDCC 4.2 knows only the
   underscored keyword, the host compiler neither. */
#ifdef __SDCC
#define xdata __xdata
#else
#define xdata
#endif

#define True 1
#define False 0

/* Routines that keep many values across calls of the float and long helpers are reentrant on
   the 8051: their temporaries then live on the stack instead of the scarce direct RAM. */
#ifdef __SDCC
#define VX_REENTRANT __reentrant
#else
#define VX_REENTRANT
#endif

/* Routines of the generated program that the library calls. */
void Int_T100ms(void);
void Int_T1s(void);

/* Pins: booleans are unsigned char holding 0 or 1, integers int32_t (long on SDCC), reals
   float. Every block structure starts with the members of the enable contract, so that one
   routine serves them all; the generated program writes useEN as -1 or 0 and links EN to an
   upstream ENO. */
#define VX_ENABLE_MEMBERS                                                                          \
    signed char useEN;                                                                             \
    unsigned char EN;                                                                              \
    unsigned char ENO;

/* With useEN set, ENO follows EN and the block computes only while EN is set. The members
   are bytes 0, 1 and 2 of every block; read as bytes, they alias any structure. */
unsigned char vx_enabled(void xdata* block) {
    unsigned char xdata* member = (unsigned char xdata*)block;
    if (member[0] == 0) {
        return 1;
    }
    member[2] = member[1];
    return member[1] != 0;
}

#define VX_I_SIZE 50
#define VX_Q_SIZE 50
#define VX_M_SIZE 100

xdata unsigned char PI_I[VX_I_SIZE];
xdata unsigned char PI_Q[VX_Q_SIZE];
xdata unsigned char PI_M[VX_M_SIZE];

/* Area codes of the generated calls: 0 I, 1 Q, 2 M. */
unsigned char xdata* vx_area(int area) {
    switch (area) {
    case 0:
        return PI_I;
    case 1:
        return PI_Q;
    case 2:
        return PI_M;
    default:
        return 0;
    }
}

int vx_area_size(int area) {
    return area == 2 ? VX_M_SIZE : VX_I_SIZE;
}

/* A bit address needs its byte inside the area. */
unsigned char xdata* vx_bit_byte(int area, int byte, int bit) {
    unsigned char xdata* base = vx_area(area);
    if (base == 0 || byte < 0 || byte >= vx_area_size(area) || bit < 0 || bit > 7) {
        return 0;
    }
    return base + byte;
}

/* A value of 1, 2 or 4 bytes must end before the last byte of its area, as the designer's
   address check demands (IB49 is refused, I49.0 is not). */
unsigned char xdata* vx_value_bytes(int area, int number, int width) {
    unsigned char xdata* base = vx_area(area);
    if (base == 0 || number < 0 || (width != 1 && width != 2 && width != 4) ||
        number + width >= vx_area_size(area)) {
        return 0;
    }
    return base + number;
}

/* Little-endian: least significant byte first. */
uint32_t vx_load(const unsigned char xdata* p, int width) {
    uint32_t value = 0;
    while (width > 0) {
        --width;
        value = (value << 8) | p[width];
    }
    return value;
}

void vx_store(unsigned char xdata* p, int width, uint32_t value) {
    int k;
    for (k = 0; k < width; ++k) {
        p[k] = (unsigned char)(value & 0xFFu);
        value >>= 8;
    }
}

/* Sign extension of the low width bytes, as IB, IW and ID read. */
int32_t vx_signed(uint32_t value, int width) {
    if (width == 1) {
        return (int32_t)(int8_t)(uint8_t)value;
    }
    if (width == 2) {
        return (int32_t)(int16_t)(uint16_t)value;
    }
    return (int32_t)value;
}

/* Long division is a slow library loop on the 8051 and most operands fit 16 bits. Returns
   n / d and leaves n % d in vx_rest. */
uint32_t xdata vx_rest;

uint32_t vx_udivmod(uint32_t n, uint32_t d) {
    uint32_t q;
    if (n <= 0xFFFFu && d <= 0xFFFFu) {
        vx_rest = (uint16_t)((uint16_t)n % (uint16_t)d);
        return (uint16_t)((uint16_t)n / (uint16_t)d);
    }
    q = n / d;
    vx_rest = n - q * d;
    return q;
}

/* Reals travel through memory as their IEEE single-precision bit pattern. */
typedef union {
    float real;
    uint32_t bits;
} vx_real_bits;

#endif
