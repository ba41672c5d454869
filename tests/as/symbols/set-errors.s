; symbols that may not take a value
        .data
v:      .byte 0
        .set v, 1
        .equiv w, 1
        .equiv w, 2
        .set w, 3
        .eqv w, 4
        .set 5, 1
        .set q 1
        .set r, (1
