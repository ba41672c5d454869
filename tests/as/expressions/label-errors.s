; operands in sections that do not combine
        .data
a:      .byte 1
        .bss
c:      .skip 4
        .data
        .long a + c
        .long a - c
        .long 4 - ext
        .long a * 2
        .long -a
        .long a - ext
