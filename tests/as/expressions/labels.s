; label differences are absolute; other references keep a relocation
        .data
a:      .byte 1, 2, 3
b:      .long b - a
        .long ext + 4
        .long b + 4
        .long a - b + 10
        .long (b + 1) - (a - 1)
        .long ext - ext + 2
