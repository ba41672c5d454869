; a field that refers to a common holds the addend and names the common
        .comm c, 4, 8
        .data
        .long c + 1
