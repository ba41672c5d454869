; .size operands
        .size f 4
        .size 3, 4
        .size f, (
