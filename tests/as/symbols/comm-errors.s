; malformed .comm and .lcomm directives
        .comm d, -1
        .comm e 4
        .comm f, 4, 3
        .comm 5, 4
        .comm g, later
        .comm h, 0x100000000
        .lcomm i, -2
        .lcomm j 1
        .data
later:  .comm later, 4
        .lcomm later, 4
        .comm k, 4, 8 extra
