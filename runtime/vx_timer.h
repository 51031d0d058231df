/* The timer: pulse (SP), extended pulse (SE), on-delay (SD) and off-delay (SF). */
#ifndef VX_TIMER_H
#define VX_TIMER_H

#include "vx_clock.h"

/* One unit of PT and ET is 100 ms here; the PC simulation's unit is 1.157e-6 day, 99.9648 ms. */
#define VX_TIME_UNIT_MS 100u
/* Deadlines must stay within half the range of the wrapping millisecond counter. */
#define VX_TIMER_MAX_UNITS 21474836L

#define VX_TIMER_SP 0
#define VX_TIMER_SE 1
#define VX_TIMER_SD 2
#define VX_TIMER_SF 3

struct sTpTIMER {
    VX_ENABLE_MEMBERS
    unsigned char IN;
    int32_t PT;
    unsigned char Q;
    int32_t ET;
    unsigned char prevIN;
    uint32_t deadline;
};

/* Blocks inserted without a control identifier keep their class name. */
#define sTpTimer sTpTIMER
#define fTpTimer fTpTIMER

/* Remaining milliseconds to units, nearest with halves to even. */
int32_t vx_ms_to_units(uint32_t ms) {
    uint32_t units = vx_udivmod(ms, VX_TIME_UNIT_MS);
    uint32_t rest = vx_rest;
    if (rest > VX_TIME_UNIT_MS / 2 || (rest == VX_TIME_UNIT_MS / 2 && (units & 1u) != 0)) {
        ++units;
    }
    return (int32_t)units;
}

void fTpTIMER(struct sTpTIMER xdata* s, int mode) VX_REENTRANT {
    uint32_t now;
    int32_t units;
    unsigned char input;
    unsigned char running;
    if (!vx_enabled(s)) {
        s->Q = 0;
        return;
    }
    now = vx_millis();
    input = s->IN != 0;
    /* PT is read only when a timing starts; a running timing keeps its length. */
    if ((mode >= VX_TIMER_SP && mode <= VX_TIMER_SD && input && !s->prevIN) ||
        (mode == VX_TIMER_SF && !input && s->prevIN)) {
        units = s->PT < 0 ? 0 : (s->PT > VX_TIMER_MAX_UNITS ? VX_TIMER_MAX_UNITS : s->PT);
        s->deadline = now + (uint32_t)units * VX_TIME_UNIT_MS;
    }
    if (VX_LATER(now, s->deadline)) {
        s->deadline = now;
    }
    if (((mode == VX_TIMER_SP || mode == VX_TIMER_SD) && !input) ||
        (mode == VX_TIMER_SF && input)) {
        s->deadline = now;
    }
    s->ET = vx_ms_to_units(s->deadline - now);
    running = s->deadline != now;
    switch (mode) {
    case VX_TIMER_SP:
    case VX_TIMER_SE:
        s->Q = running;
        break;
    case VX_TIMER_SD:
        s->Q = input && !running;
        break;
    case VX_TIMER_SF:
        s->Q = running || input;
        break;
    default:
        s->Q = 0;
        break;
    }
    s->prevIN = input;
}

#endif
