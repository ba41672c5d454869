; .syntax switches the operand syntax; only V1 and V2 are known
        .syntax V1
        .syntax V2
        .syntax V2
        .syntax V3
        .syntax 2
        .syntax v1
        .syntax V1 extra
