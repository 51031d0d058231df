/* Host test of the controller library's routines, driven like the generated program drives
   them: set the input members, call the routine, read the output members. */
#include <function.h>
#include <io.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures;

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            printf("%s:%d: failed: %s\n", __FILE__, __LINE__, #cond);                              \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

static void clear_image(void) {
    memset(PI_I, 0, sizeof PI_I);
    memset(PI_Q, 0, sizeof PI_Q);
    memset(PI_M, 0, sizeof PI_M);
}

static void test_integer_arithmetic(void) {
    static const struct {
        int32_t dividend;
        int32_t divisor;
        int32_t quotient;
    } divisions[] = {
        {7, 2, 4},
        {5, 2, 2},
        {-7, 2, -4},
        {1, 3, 0},
        {3, 2, 2},
        {-3, 2, -2},
        {7, -2, -4},
        {-5, -2, 2},
        {100, 7, 14},
        {-100000, 3, -33333},
        {INT32_MIN, -1, INT32_MIN},
        {INT32_MAX, 2, 1073741824},
    };
    static const struct {
        int left;
        int32_t value;
        int32_t count;
        int32_t result;
    } shifts[] = {
        {1, 1, 31, INT32_MIN}, {0, -1, 28, 15}, {0, 8, 33, 4}, {1, 1, -1, INT32_MIN}, {1, 3, 32, 3},
    };
    struct sTiDIV div = {0};
    struct sTiADD add = {0};
    struct sTiSUBB sub = {0};
    struct sTiMULL mul = {0};
    size_t k;

    for (k = 0; k < sizeof divisions / sizeof divisions[0]; ++k) {
        div.IN1 = divisions[k].dividend;
        div.IN2 = divisions[k].divisor;
        fTiDIV(&div);
        if (div.OUT != divisions[k].quotient) {
            printf("%ld / %ld gave %ld\n", (long)div.IN1, (long)div.IN2, (long)div.OUT);
            ++failures;
        }
    }
    div.IN2 = 0;
    fTiDIV(&div);
    CHECK(div.OUT == 1073741824);

    for (k = 0; k < sizeof shifts / sizeof shifts[0]; ++k) {
        struct sTiSHL shl = {0};
        struct sTiSHR shr = {0};
        int32_t out;
        if (shifts[k].left) {
            shl.IN = shifts[k].value;
            shl.N = shifts[k].count;
            fTiSHL(&shl);
            out = shl.OUT;
        } else {
            shr.IN = shifts[k].value;
            shr.N = shifts[k].count;
            fTiSHR(&shr);
            out = shr.OUT;
        }
        CHECK(out == shifts[k].result);
    }

    /* 32-bit two's complement where the PC widens. */
    add.IN1 = INT32_MAX;
    add.IN2 = 1;
    fTiADD(&add);
    CHECK(add.OUT == INT32_MIN);
    sub.IN1 = INT32_MIN;
    sub.IN2 = 1;
    fTiSUBB(&sub);
    CHECK(sub.OUT == INT32_MAX);
    mul.IN1 = 65536;
    mul.IN2 = 65537;
    fTiMULL(&mul);
    CHECK(mul.OUT == 65536);
}

static void test_enable_contract(void) {
    struct sTiADD add = {0};
    struct sTbNOT not_block = {0};
    struct sTbRS rs = {0};

    add.useEN = -1;
    add.IN1 = 2;
    add.IN2 = 3;
    add.OUT = 9;
    add.ENO = 1;
    fTiADD(&add);
    CHECK(add.OUT == 9 && add.ENO == 0);
    add.EN = 1;
    fTiADD(&add);
    CHECK(add.OUT == 5 && add.ENO == 1);
    add.useEN = 0;
    add.EN = 0;
    add.IN2 = 4;
    fTiADD(&add);
    CHECK(add.OUT == 6);

    /* A disabled bit function drives its output false; the flip-flop forgets its state. */
    not_block.useEN = -1;
    not_block.OUT = 1;
    fTbNOT(&not_block);
    CHECK(not_block.OUT == 0 && not_block.ENO == 0);
    rs.S = 1;
    fTbRS(&rs);
    CHECK(rs.Q == 1);
    rs.useEN = -1;
    fTbRS(&rs);
    rs.useEN = 0;
    rs.S = 0;
    fTbRS(&rs);
    CHECK(rs.Q == 0);
}

static void test_bit_functions(void) {
    static const unsigned char input[] = {0, 1, 1, 0, 1};
    static const unsigned char rising[] = {0, 1, 0, 0, 1};
    static const unsigned char falling[] = {0, 0, 0, 1, 0};
    static const struct {
        unsigned char r;
        unsigned char s;
        unsigned char before;
        unsigned char q;
    } flip_flop[] = {{1, 1, 0, 1}, {1, 0, 1, 0}, {0, 0, 1, 1}, {0, 0, 0, 0}, {0, 1, 0, 1}};
    struct sTbFP fp = {0};
    struct sTbFN fn = {0};
    struct sTbNOT not_block = {0};
    struct sTbAND and_gate = {0};
    struct sTbOR or_gate = {0};
    size_t k;

    for (k = 0; k < sizeof input; ++k) {
        fp.IN = fn.IN = input[k];
        fTbFP(&fp);
        fTbFN(&fn);
        CHECK(fp.OUT == rising[k] && fn.OUT == falling[k]);
    }
    /* An edge while disabled is not reported afterwards. */
    fp.IN = 0;
    fTbFP(&fp);
    fp.useEN = -1;
    fp.IN = 1;
    fTbFP(&fp);
    fp.EN = 1;
    fTbFP(&fp);
    CHECK(fp.OUT == 0);

    for (k = 0; k < sizeof flip_flop / sizeof flip_flop[0]; ++k) {
        struct sTbRS rs = {0};
        rs.R = flip_flop[k].r;
        rs.S = flip_flop[k].s;
        rs.Q = flip_flop[k].before;
        fTbRS(&rs);
        CHECK(rs.Q == flip_flop[k].q);
    }

    fTbNOT(&not_block);
    CHECK(not_block.OUT == 1);

    /* Inputs beyond num take no part. */
    and_gate.IN1 = and_gate.IN2 = and_gate.IN3 = 1;
    fTbAND(&and_gate, 3);
    CHECK(and_gate.OUT == 1);
    fTbAND(&and_gate, 4);
    CHECK(and_gate.OUT == 0);
    or_gate.IN3 = 1;
    fTbOR(&or_gate, 2);
    CHECK(or_gate.OUT == 0);
    fTbOR(&or_gate, 3);
    CHECK(or_gate.OUT == 1);
}

static void test_reals(void) {
    static const struct {
        float in;
        int32_t out;
    } roundings[] = {
        {2.5f, 2},
        {3.5f, 4},
        {-2.5f, -2},
        {2.5000002f, 3},
        {-0.5f, 0},
        {-1.5f, -2},
        {1e10f, INT32_MAX},
        {-1e10f, INT32_MIN},
        {8388607.5f, 8388608},
        {-2147483648.0f, INT32_MIN},
    };
    struct sTFLT_TO_INT to_int = {0};
    struct sTINT_TO_FLT to_real = {0};
    struct sTrDIV div = {0};
    struct sTrEQ eq = {0};
    size_t k;

    for (k = 0; k < sizeof roundings / sizeof roundings[0]; ++k) {
        to_int.IN = roundings[k].in;
        fTFLT_TO_INT(&to_int);
        CHECK(to_int.OUT == roundings[k].out);
    }
    to_int.IN = nanf("");
    fTFLT_TO_INT(&to_int);
    CHECK(to_int.OUT == 0);

    to_real.IN = (1 << 24) + 1;
    fTINT_TO_FLT(&to_real);
    CHECK(to_real.OUT == 16777216.0f);

    div.IN1 = 1.0f;
    div.IN2 = 4.0f;
    fTrDIV(&div);
    div.IN2 = 0.0f;
    fTrDIV(&div);
    CHECK(div.OUT == 0.25f);

    eq.IN1 = 0.1f;
    eq.IN2 = 0.1f;
    fTrEQ(&eq);
    CHECK(eq.OUT == 1);
}

static void test_memory_blocks(void) {
    struct sTbIN bit_in = {0};
    struct sTbOUT bit_out = {0};
    struct sTiIN int_in = {0};
    struct sTiOUT int_out = {0};
    struct sTrIN real_in = {0};
    struct sTrOUT real_out = {0};
    clear_image();

    PI_I[0] = 200;
    fTiIN(&int_in, 0, 0, 1);
    CHECK(int_in.OUT == -56);
    PI_M[0] = 2;
    PI_M[1] = 1;
    fTiIN(&int_in, 2, 0, 2);
    CHECK(int_in.OUT == 258);
    /* A value must end before the last byte of its area; a bit there is fine. */
    PI_I[49] = 0x81;
    fTiIN(&int_in, 0, 49, 1);
    CHECK(int_in.OUT == 0);
    fTiIN(&int_in, 0, 48, 1);
    CHECK(int_in.OUT == 0);
    fTbIN(&bit_in, 0, 49, 7);
    CHECK(bit_in.OUT == 1);
    fTbIN(&bit_in, 0, 50, 0);
    CHECK(bit_in.OUT == 0);

    /* Writes only while EN is set; IN always shows memory. */
    int_out.IN = 300;
    fTiOUT(&int_out, 1, 0, 1);
    CHECK(PI_Q[0] == 0 && int_out.IN == 0);
    int_out.EN = 1;
    int_out.IN = 300;
    fTiOUT(&int_out, 1, 0, 1);
    CHECK(PI_Q[0] == 44 && int_out.IN == 44);
    int_out.IN = -2;
    fTiOUT(&int_out, 2, 96, 4);
    CHECK(PI_M[96] == 0 && int_out.IN == 0);
    int_out.IN = -2;
    fTiOUT(&int_out, 2, 95, 4);
    CHECK(PI_M[95] == 254 && PI_M[98] == 255 && PI_M[99] == 0 && int_out.IN == -2);

    real_out.EN = 1;
    real_out.IN = 0.1f;
    fTrOUT(&real_out, 2, 10);
    CHECK(PI_M[10] == 0xCD && PI_M[11] == 0xCC && PI_M[12] == 0xCC && PI_M[13] == 0x3D);
    fTrIN(&real_in, 2, 10);
    CHECK(real_in.OUT == 0.1f);

    /* Actions: 0 assign, 1 set, 2 reset; set and reset act only while IN is true. */
    bit_out.IN = 1;
    fTbOUT(&bit_out, 1, 3, 5, 0);
    CHECK(PI_Q[3] == 0x20);
    bit_out.IN = 0;
    fTbOUT(&bit_out, 1, 3, 6, 1);
    fTbOUT(&bit_out, 1, 3, 5, 2);
    CHECK(PI_Q[3] == 0x20);
    bit_out.IN = 1;
    fTbOUT(&bit_out, 1, 3, 6, 1);
    fTbOUT(&bit_out, 1, 3, 5, 2);
    CHECK(PI_Q[3] == 0x40);
    fTbOUT(&bit_out, 3, 0, 0, 0);
    fTbOUT(&bit_out, 1, 3, 8, 0);
    CHECK(PI_Q[3] == 0x40);
}

static void test_counter(void) {
    struct sTpCOUNT count = {0};
    int k;

    for (k = 0; k < 3; ++k) {
        count.CU = 1;
        fTpCOUNT(&count);
        count.CU = 0;
        fTpCOUNT(&count);
    }
    CHECK(count.CV == 3 && count.Q == 1);
    /* Opposite edges in one scan cancel; a held input counts once. */
    count.CU = count.CD = 1;
    fTpCOUNT(&count);
    fTpCOUNT(&count);
    CHECK(count.CV == 3);
    count.CU = count.CD = 0;
    fTpCOUNT(&count);
    count.CD = 1;
    fTpCOUNT(&count);
    CHECK(count.CV == 2);

    /* Reset beats set, set beats counting; a preset outside the limits is taken. */
    count.CU = count.CD = 0;
    fTpCOUNT(&count);
    count.S = count.R = 1;
    count.PV = 100;
    fTpCOUNT(&count);
    CHECK(count.CV == 0 && count.Q == 0);
    count.R = 0;
    count.CU = 1;
    fTpCOUNT(&count);
    CHECK(count.CV == 100);
    count.S = 0;
    count.CU = 0;
    count.PV = -5;
    count.S = 1;
    fTpCOUNT(&count);
    count.S = 0;
    count.CD = 1;
    fTpCOUNT(&count);
    CHECK(count.CV == -5 && count.Q == 0);
    count.CD = 0;
    count.CU = 1;
    fTpCOUNT(&count);
    CHECK(count.CV == -4);

    count.CV = 32767;
    count.CU = 0;
    fTpCOUNT(&count);
    count.CU = 1;
    fTpCOUNT(&count);
    CHECK(count.CV == 32767);

    /* An edge seen only while disabled is lost. */
    count.useEN = -1;
    count.CU = 0;
    fTpCOUNT(&count);
    count.CU = 1;
    fTpCOUNT(&count);
    count.CV = 7;
    count.EN = 1;
    fTpCOUNT(&count);
    CHECK(count.CV == 7);
}

static void test_generator(void) {
    static const float square[] = {0, 0, 1, 1, 0, 0, 0, 1, 1, 0};
    struct sTpGEN gen = {0};
    size_t k;

    gen.WAVE = 1;
    gen.N = 4;
    for (k = 0; k < sizeof square / sizeof square[0]; ++k) {
        fTpGEN(&gen);
        CHECK(gen.OUT == square[k]);
    }
    gen.WAVE = 0;
    fTpGEN(&gen);
    CHECK(gen.OUT > 0.99f && gen.OUT <= 1.0f);
    gen.WAVE = 2;
    fTpGEN(&gen);
    CHECK(gen.OUT > 0.99f && gen.OUT <= 1.0f);

    /* N below 1: nothing at all, ENO included. */
    gen.N = 0;
    gen.useEN = -1;
    gen.EN = 1;
    gen.ENO = 0;
    fTpGEN(&gen);
    CHECK(gen.ENO == 0 && gen.phase == 0.5f);
}

static void test_pid(void) {
    struct sTpPID pid = {0};

    pid.KP = 2;
    pid.SP = 10;
    pid.PV = 4;
    pid.HL = 100;
    pid.LL = -100;
    fTpPID(&pid);
    CHECK(pid.OUT == 12.0f && pid.ERR == 6.0f && pid.QH == 0 && pid.QL == 0);

    /* The integral part grows by Kp * Ts / Ti * E per sample. */
    pid.errorSum = 0;
    pid.TI = pid.TS = 1;
    fTpPID(&pid);
    CHECK(pid.OUT == 24.0f);
    fTpPID(&pid);
    CHECK(pid.OUT == 36.0f);

    /* Clamped high, the sum stops growing while the error pushes further. */
    pid.errorSum = 0;
    pid.HL = 20;
    fTpPID(&pid);
    fTpPID(&pid);
    CHECK(pid.OUT == 20.0f && pid.QH == 1 && pid.errorSum == 6.0f);

    /* Manual mode sets the sum so that the return to automatic is smooth. */
    pid.HL = 100;
    pid.QH = 0;
    pid.MAN = 1;
    pid.MV = 50;
    fTpPID(&pid);
    CHECK(pid.OUT == 50.0f && pid.errorSum == 19.0f);
    pid.MAN = 0;
    fTpPID(&pid);
    CHECK(pid.OUT == 62.0f);

    /* Inside the deadband the output holds; derivative on the measurement. */
    pid.errorSum = 0;
    pid.TI = 0;
    pid.PV = pid.SP;
    fTpPID(&pid);
    CHECK(pid.OUT == 62.0f && pid.ERR == 0.0f);
    pid.KP = 1;
    pid.TD = 1;
    pid.SP = 10;
    pid.PV = 4;
    pid.prevPV = 4;
    fTpPID(&pid);
    pid.PV = 5;
    fTpPID(&pid);
    CHECK(pid.OUT == 4.0f);
}

/* The host clock moves only when the test says so. */
static void run_timer(struct sTpTIMER* timer, int mode, uint32_t at, unsigned char input) {
    vx_ms = at;
    timer->IN = input;
    fTpTIMER(timer, mode);
}

static void test_timer(void) {
    struct sTpTIMER pulse = {0};
    struct sTpTIMER extended = {0};
    struct sTpTIMER on_delay = {0};
    struct sTpTIMER off_delay = {0};

    /* ET rounds halves to even: 250 ms left show 2, 150 ms 2, 50 ms 0. */
    pulse.PT = extended.PT = on_delay.PT = off_delay.PT = 10;
    run_timer(&pulse, VX_TIMER_SP, 1000, 1);
    CHECK(pulse.Q == 1 && pulse.ET == 10);
    run_timer(&pulse, VX_TIMER_SP, 1750, 1);
    CHECK(pulse.ET == 2);
    run_timer(&pulse, VX_TIMER_SP, 1850, 1);
    CHECK(pulse.ET == 2);
    run_timer(&pulse, VX_TIMER_SP, 1950, 1);
    CHECK(pulse.Q == 1 && pulse.ET == 0);
    run_timer(&pulse, VX_TIMER_SP, 2000, 1);
    CHECK(pulse.Q == 0);
    run_timer(&pulse, VX_TIMER_SP, 2100, 0);
    run_timer(&pulse, VX_TIMER_SP, 2200, 1);
    run_timer(&pulse, VX_TIMER_SP, 2300, 0);
    CHECK(pulse.Q == 0 && pulse.ET == 0);

    /* The extended pulse runs on and restarts on every rising edge. */
    run_timer(&extended, VX_TIMER_SE, 1000, 1);
    run_timer(&extended, VX_TIMER_SE, 1100, 0);
    run_timer(&extended, VX_TIMER_SE, 1500, 1);
    CHECK(extended.Q == 1 && extended.ET == 10);
    run_timer(&extended, VX_TIMER_SE, 2400, 0);
    CHECK(extended.Q == 1 && extended.ET == 1);
    run_timer(&extended, VX_TIMER_SE, 2500, 0);
    CHECK(extended.Q == 0);

    run_timer(&on_delay, VX_TIMER_SD, 1000, 1);
    run_timer(&on_delay, VX_TIMER_SD, 1990, 1);
    CHECK(on_delay.Q == 0 && on_delay.ET == 0);
    run_timer(&on_delay, VX_TIMER_SD, 2000, 1);
    CHECK(on_delay.Q == 1);
    run_timer(&on_delay, VX_TIMER_SD, 2010, 0);
    CHECK(on_delay.Q == 0);

    run_timer(&off_delay, VX_TIMER_SF, 1000, 1);
    CHECK(off_delay.Q == 1 && off_delay.ET == 0);
    run_timer(&off_delay, VX_TIMER_SF, 1100, 0);
    CHECK(off_delay.Q == 1 && off_delay.ET == 10);
    run_timer(&off_delay, VX_TIMER_SF, 2099, 0);
    CHECK(off_delay.Q == 1);
    run_timer(&off_delay, VX_TIMER_SF, 2100, 0);
    CHECK(off_delay.Q == 0);

    /* Disabled: Q false, ET and the previous input kept. */
    on_delay.useEN = -1;
    on_delay.ET = 7;
    run_timer(&on_delay, VX_TIMER_SD, 3000, 1);
    CHECK(on_delay.Q == 0 && on_delay.ET == 7 && on_delay.prevIN == 0);

    /* A counter that wrapped, and a time value of 0. */
    pulse.PT = 0;
    run_timer(&pulse, VX_TIMER_SP, 0xFFFFFFF0u, 0);
    pulse.PT = 1;
    run_timer(&pulse, VX_TIMER_SP, 0xFFFFFFF0u, 1);
    run_timer(&pulse, VX_TIMER_SP, 0x50u, 1);
    CHECK(pulse.Q == 1 && pulse.ET == 0);
    run_timer(&pulse, VX_TIMER_SP, 0x60u, 1);
    CHECK(pulse.Q == 0);
}

static void check_line(int line, const char* text) {
    if (memcmp(DPL_SHOW[line], text, VX_DPL_WIDTH) != 0) {
        printf("line %d shows '%.16s', expected '%s'\n", line, DPL_SHOW[line], text);
        ++failures;
    }
}

static void put_real(int32_t column, int32_t line, float value, int32_t decimals) {
    struct sTpDPL_REAL block = {0};
    block.COL = column;
    block.LINE = line;
    block.VAL = value;
    block.DEC = decimals;
    fTpDPL_REAL(&block);
}

static void put_integer(int32_t column, int32_t line, int32_t value) {
    struct sTpDPL_INT block = {0};
    block.COL = column;
    block.LINE = line;
    block.VAL = value;
    fTpDPL_INT(&block);
}

static void test_display(void) {
    static const struct {
        float value;
        int32_t decimals;
        const char* shown;
    } reals[] = {
        {3.14159f, 2, "3.14            "}, {2.5f, 0, "3               "},
        {-2.5f, 0, "-2              "},    {127.0f, -1, "130             "},
        {0.05f, 3, "0.05            "},    {-0.016f, 2, "-0.01           "},
        {-0.004f, 2, "0               "},  {12.5f, 258, "12.5            "},
        {1e9f, 2, "1000000000      "},     {1e12f, 0, "1000000000000   "},
        {1e20f, -45, "0               "},  {-INFINITY, 2, "-INF            "},
    };
    struct sTpDPL_WBUF flush = {0};
    struct sTpDPL_STR string = {0};
    size_t k;

    vx_display_blank();
    put_integer(0, 0, 168);
    CHECK(DPL_SHOW[0][0] == 0);
    fTpDPL_WBUF(&flush);
    check_line(0, "168             ");
    check_line(1, "                ");

    /* Inserting pushes older text right; -42 at column 14 loses its 2. */
    put_integer(5, 1, 7);
    put_integer(0, 1, 12);
    put_integer(14, 2, -42);
    put_integer(16, 3, 1);
    put_integer(-1, 3, 1);
    put_integer(0, 4, 1);
    string.NUM = 0;
    fTpDPL_STR(&string);
    fTpDPL_WBUF(&flush);
    check_line(0, "                ");
    check_line(1, "12     7        ");
    check_line(2, "              -4");
    check_line(3, "                ");

    for (k = 0; k < sizeof reals / sizeof reals[0]; ++k) {
        put_real(0, 0, reals[k].value, reals[k].decimals);
        fTpDPL_WBUF(&flush);
        check_line(0, reals[k].shown);
    }

    /* Nothing is shown while disabled. */
    flush.useEN = -1;
    put_integer(0, 0, 5);
    fTpDPL_WBUF(&flush);
    check_line(0, reals[sizeof reals / sizeof reals[0] - 1].shown);
}

static void test_bus(void) {
    static const unsigned char zeros[VX_I_SIZE];
    clear_image();
    memset(IO_BUS_IN, 0x5A, sizeof IO_BUS_IN);
    IO_BUS_IN[9][0] = 0x12;
    IO_BUS_IN[9][7] = 0x34;
    IO_Read(9, 42, 8);
    CHECK(PI_I[41] == 0 && PI_I[42] == 0x12 && PI_I[49] == 0x34);
    clear_image();
    IO_Read(10, 0, 1);
    IO_Read(0, 0, 1);
    IO_Read(9, 43, 8);
    IO_Read(9, 0, 9);
    IO_Read(9, -1, 1);
    CHECK(memcmp(PI_I, zeros, sizeof zeros) == 0);

    PI_Q[30] = 0x56;
    IO_Write(2, 30, 1);
    IO_Write(2, 49, 2);
    CHECK(IO_BUS_OUT[2][0] == 0x56 && IO_BUS_OUT[2][1] == 0);
}

static int free_cycles;
static int events_100ms;
static int events_1s;
static uint32_t clock_seen;

void FreeCycle(void) {
    ++free_cycles;
    clock_seen = vx_millis();
}

void Int_T100ms(void) {
    CHECK(vx_millis() % 100 == 0);
    ++events_100ms;
}

void Int_T1s(void) {
    CHECK(events_100ms % 10 == 0);
    ++events_1s;
}

/* A free cycle is 10 ms on the host; the events follow their free cycle. */
static void test_events(void) {
    int k;
    initialize_system();
    for (k = 0; k < 250; ++k) {
        FreeCycle();
    }
    CHECK(free_cycles == 250 && clock_seen == 2500);
    CHECK(events_100ms == 25 && events_1s == 2);
}

void main(void) {
    test_integer_arithmetic();
    test_enable_contract();
    test_bit_functions();
    test_reals();
    test_memory_blocks();
    test_counter();
    test_generator();
    test_pid();
    test_timer();
    test_display();
    test_bus();
    test_events();
    if (failures != 0) {
        printf("%d failures\n", failures);
        exit(1);
    }
    printf("runtime blocks: all checks passed\n");
    exit(0);
}
