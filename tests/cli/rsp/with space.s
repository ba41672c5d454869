        .data
        .long Q
