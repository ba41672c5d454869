; a repeated common keeps its first size and the largest alignment
        .comm c, 4
        .comm c, 8
        .comm c, 4, 16
        .comm c, 4, 2
