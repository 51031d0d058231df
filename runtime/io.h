/* System side of the generated program: start-up, the module bus and the timed events.
   The module bus is emulated by two xdata tables indexed by the row of the module in the
   designer's hardware table (1 to 9; row 1 is the CPU slot): IO_Read copies a row of
   IO_BUS_IN into the input area, IO_Write copies the output area into a row of IO_BUS_OUT. */
#ifndef VX_IO_H
#define VX_IO_H

#include "function.h"

#ifndef __SDCC
#include <stdio.h>
#include <stdlib.h>
#endif

#define VX_BUS_ROWS 10
#define VX_BUS_BYTES 8

xdata unsigned char IO_BUS_IN[VX_BUS_ROWS][VX_BUS_BYTES];
xdata unsigned char IO_BUS_OUT[VX_BUS_ROWS][VX_BUS_BYTES];

/* Bad rows, lengths or areas make the transfer do nothing. */
unsigned char vx_bus_ok(int mAddr, int sAddr, int Len, int areaSize) {
    return mAddr >= 1 && mAddr < VX_BUS_ROWS && Len >= 0 && Len <= VX_BUS_BYTES && sAddr >= 0 &&
           sAddr + Len <= areaSize;
}

void IO_Read(int mAddr, int sAddr, int Len) {
    int k;
    if (vx_bus_ok(mAddr, sAddr, Len, VX_I_SIZE)) {
        for (k = 0; k < Len; ++k) {
            PI_I[sAddr + k] = IO_BUS_IN[mAddr][k];
        }
    }
}

void IO_Write(int mAddr, int sAddr, int Len) {
    int k;
    if (vx_bus_ok(mAddr, sAddr, Len, VX_Q_SIZE)) {
        for (k = 0; k < Len; ++k) {
            IO_BUS_OUT[mAddr][k] = PI_Q[sAddr + k];
        }
    }
}

/* The timed events fall due every 100 ms and every 1 s; a late one runs once and the next is
   counted from then, so they never pile up. They run in the main loop right after the free
   cycle, never from the interrupt: the block routines are not reentrant. */
uint32_t xdata vx_due_100ms;
uint32_t xdata vx_due_1s;

#ifndef __SDCC
/* Host runs stop after VEXA_CYCLES free cycles and print the process image; 0 runs forever. */
unsigned long xdata vx_cycles;
unsigned long xdata vx_cycle_limit;

void vx_print_area(char letter, const unsigned char* area, int size) {
    int k;
    printf("%c:", letter);
    for (k = 0; k < size; ++k) {
        printf(" %02X", area[k]);
    }
    printf("\n");
}

/* VEXA_BUS_IN feeds the input modules: "ROW:HH HH ...", several separated by ';'. */
void vx_load_bus_in(const char* text) {
    char* end;
    long row;
    long value;
    int k;
    while (text != 0 && *text != 0) {
        row = strtol(text, &end, 10);
        if (end == text || *end != ':') {
            return;
        }
        text = end + 1;
        for (k = 0;; ++k) {
            value = strtol(text, &end, 16);
            if (end == text) {
                break;
            }
            if (row >= 1 && row < VX_BUS_ROWS && k < VX_BUS_BYTES) {
                IO_BUS_IN[row][k] = (unsigned char)value;
            }
            text = end;
        }
        while (*text == ' ') {
            ++text;
        }
        if (*text != ';') {
            return;
        }
        ++text;
    }
}
#endif

void initialize_system(void) {
#ifndef __SDCC
    const char* limit = getenv("VEXA_CYCLES");
    vx_cycle_limit = limit != 0 ? strtoul(limit, 0, 10) : 0;
    vx_load_bus_in(getenv("VEXA_BUS_IN"));
#endif
    vx_display_blank();
    vx_clock_start();
    /* The clock counts from 0 at start-up, as the PC simulation's timers do. */
    vx_due_100ms = 100u;
    vx_due_1s = 1000u;
}

unsigned char vx_event_due(uint32_t xdata* due, uint32_t now, uint32_t interval) {
    if (VX_LATER(*due, now)) {
        return 0;
    }
    *due += interval;
    if (!VX_LATER(*due, now)) {
        *due = now + interval;
    }
    return 1;
}

/* Runs after every free cycle (see FreeCycle below). */
void vx_after_free_cycle(void) {
    uint32_t now = vx_millis();
    if (vx_event_due(&vx_due_100ms, now, 100u)) {
        Int_T100ms();
    }
    if (vx_event_due(&vx_due_1s, now, 1000u)) {
        Int_T1s();
    }
#ifndef __SDCC
    vx_ms += VX_HOST_CYCLE_MS;
    if (++vx_cycles == vx_cycle_limit) {
        vx_print_area('I', PI_I, VX_I_SIZE);
        vx_print_area('Q', PI_Q, VX_Q_SIZE);
        vx_print_area('M', PI_M, VX_M_SIZE);
        exit(0);
    }
#endif
}

/* FreeCycle() is the only call the generated main loop surely makes once per cycle: it may
   have no module to read or write at all. So the macro below renames the generated
   "void FreeCycle(void)" to FreeCyclevoid, while the call "FreeCycle()" keeps its name and
   reaches this routine, which runs the free cycle and then the timed events. */
void FreeCyclevoid(void);

void FreeCycle(void) {
    FreeCyclevoid();
    vx_after_free_cycle();
}

#define FreeCycle(v) FreeCycle##v(v)

#ifndef __SDCC
/* A hosted compiler wants "int main"; the generated "void main(void)" becomes
   vx_program_main, started from here. */
void vx_program_main(void);

int main(void) {
    vx_program_main();
    return 0;
}

#define main vx_program_main
#endif

#endif
