/* VexaPLC controller library: one structure s<ID> and one routine f<ID> per block identifier
   of the designer. The generated program is compiled as one file, so the library lives in
   headers that define its data and routines; include it from that one file only. */
#ifndef VX_FUNCTION_H
#define VX_FUNCTION_H

#include "vx_base.h"
#include "vx_bit_blocks.h"
#include "vx_clock.h"
#include "vx_counter_generator.h"
#include "vx_display.h"
#include "vx_integer_blocks.h"
#include "vx_io_blocks.h"
#include "vx_pid.h"
#include "vx_real_blocks.h"
#include "vx_timer.h"

#endif
