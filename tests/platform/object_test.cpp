#include "platform/base/object.h"
#include "platform/base/exceptions.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CShape : public CObject {
    DECLARE_DYNCREATE(CShape);
};
IMPLEMENT_DYNCREATE(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNAMIC(CCircle);
};
IMPLEMENT_DYNAMIC(CCircle, CShape)

TEST(RuntimeClassTest, NamesAndKindFollowTheDerivationChain) {
    CCircle circle;
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));

    CShape shape;
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));
}

TEST(RuntimeClassTest, OnlyDynCreateClassesCanBeCreatedByRecord) {
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CShape)->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CShape));
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->CreateObject(), nullptr);
}

TEST(ExceptionTest, ThrowersRaiseTheirOwnKind) {
    try {
        AfxThrowMemoryException();
    } catch (CException& e) {
        EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CMemoryException)));
        EXPECT_FALSE(e.IsKindOf(RUNTIME_CLASS(CResourceException)));
    }
    try {
        AfxThrowResourceException();
    } catch (CException& e) {
        EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CResourceException)));
        EXPECT_FALSE(e.IsKindOf(RUNTIME_CLASS(CMemoryException)));
    }
    try {
        AfxThrowFileException(CFileException::fileNotFound, 2, "missing.bmp");
    } catch (CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_NE(e.Describe().find("missing.bmp"), std::string::npos);
    }
}

}  // namespace
