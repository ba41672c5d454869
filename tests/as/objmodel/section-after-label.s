; a section cannot take the name of a symbol that already has a value
        .data
foo:    .byte 1
        .set bar, 2
        .section foo
        .section bar
