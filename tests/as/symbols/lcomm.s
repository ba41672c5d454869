; local commons go to .bss, each aligned to 8
        .lcomm a, 3
        .lcomm b, 1
        .data
        .long a, b
        .bss
c:      .byte 0
