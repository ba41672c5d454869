; malformed .section directives
        .section m1, "awM", @progbits
        .section m2, "aqwz"
        .section m3, "a", @foo
        .section m4, "a", progbits
        .section m5, 7, @progbits
        .section 5
        .section m6, "aM", @progbits, -1
        .section m7, "aM", @progbits, undefined_symbol
        .section m8, "a" extra
        .section m9, "aM", @progbits, 4, 5
        .section m10, "aM", @progbits, 0x100000004
