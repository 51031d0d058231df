/* The millisecond clock that the timer blocks and the timed events read. On the 8051 timer 0
   interrupts every millisecond; on the host one free cycle counts 10 ms (see io.h). */
#ifndef VX_CLOCK_H
#define VX_CLOCK_H

#include "vx_base.h"

volatile uint32_t xdata vx_ms;

#ifdef __SDCC

__sfr __at(0x89) vx_TMOD;
__sfr __at(0x8A) vx_TL0;
__sfr __at(0x8C) vx_TH0;
__sbit __at(0x8C) vx_TR0;
__sbit __at(0xA9) vx_ET0;
__sbit __at(0xAF) vx_EA;

/* 12 MHz / 12 = one timer count per microsecond: 1000 counts to a millisecond. The
   interrupt adds the reload to what the timer counted since its overflow, so a late
   interrupt costs nothing; VX_T0_STOPPED puts back the counts missed while the timer stands
   for the addition (21 machine cycles in the code SDCC 4.2 makes of it, measured in s51). */
#define VX_T0_STOPPED 21
#define VX_T0_RELOAD (65536u - 1000u + VX_T0_STOPPED)

void vx_timer0_isr(void) __interrupt(1) {
    uint16_t count;
    vx_TR0 = 0;
    count = (((uint16_t)vx_TH0 << 8) | vx_TL0) + VX_T0_RELOAD;
    vx_TH0 = (unsigned char)(count >> 8);
    vx_TL0 = (unsigned char)count;
    vx_TR0 = 1;
    ++vx_ms;
}

void vx_clock_start(void) {
    vx_TMOD = (vx_TMOD & 0xF0) | 0x01;
    vx_TH0 = (unsigned char)(VX_T0_RELOAD >> 8);
    vx_TL0 = (unsigned char)(VX_T0_RELOAD & 0xFFu);
    vx_ms = 0;
    vx_TR0 = 1;
    vx_ET0 = 1;
    vx_EA = 1;
}

/* Four bytes cannot be read in one instruction: keep the tick out while copying them. */
uint32_t vx_millis(void) {
    uint32_t now;
    vx_ET0 = 0;
    now = vx_ms;
    vx_ET0 = 1;
    return now;
}

#else

/* The PC simulation runs a free cycle every 10 ms: the host clock reads 10 ms times the number
   of the free cycle that is running, and io.h moves it on after each one. */
#define VX_HOST_CYCLE_MS 10

void vx_clock_start(void) {
    vx_ms = VX_HOST_CYCLE_MS;
}

uint32_t vx_millis(void) {
    return vx_ms;
}

#endif

/* "a is later than b" on a counter that wraps after 49 days. */
#define VX_LATER(a, b) ((int32_t)((uint32_t)(a) - (uint32_t)(b)) > 0)

#endif
