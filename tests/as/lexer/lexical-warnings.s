; repaired lexical problems warn once each, and assembly goes on
        .data
        .double 0f1e
        .byte 'A, '\n, 0x41, 0b101, 017
        .ascii "two
lines"
        .byte '
, 2
