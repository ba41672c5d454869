; division and remainder by zero are errors; the lowest value over -1 wraps
        .data
        .long 7 / 0
        .long 7 % (2 - 2)
        .quad (-0x7fffffffffffffff - 1) / -1
        .quad (-0x7fffffffffffffff - 1) % -1
        .set zero, 0
        .long 1 + 8 / zero
